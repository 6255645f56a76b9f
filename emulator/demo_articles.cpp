#include "emulator/demo_articles.h"

namespace {
struct DemoRow {
    int Location;
    const char* Name; // Windows-1251
    const char* Barcode;
    long long PriceHundredths;
    int TaxRate;
    int Department;
    int Measurement;
};

// Names: Хлеб бели, Млеко 2,8%, Јогурт, Шећер 1кг, Кафа 200г, Чоколада, then Latin ones.
constexpr DemoRow Rows[] = {
    {1, "\xD5\xEB\xE5\xE1 \xE1\xE5\xEB\xE8", "8600001000011", 6500, 2, 1, 0},
    {2, "\xCC\xEB\xE5\xEA\xEE 2,8%", "8600001000028", 12900, 2, 1, 0},
    {3, "\xA3\xEE\xE3\xF3\xF0\xF2", "8600001000035", 8950, 2, 1, 0},
    {4, "\xD8\xE5\x9E\xE5\xF0 1\xEA\xE3", "8600001000042", 11000, 2, 2, 0},
    {5, "\xCA\xE0\xF4\xE0 200\xE3", "8600001000059", 34999, 1, 2, 0},
    {6, "\xD7\xEE\xEA\xEE\xEB\xE0\xE4\xE0", "8600001000066", 15500, 1, 2, 0},
    {7, "Coca-Cola 0.5", "5449000000996", 14000, 1, 3, 0},
    {8, "Banane", "27", 18900, 2, 4, 1},
};
} // namespace

std::map<int, StoredArticle> DemoArticles() {
    std::map<int, StoredArticle> articles;
    for (const DemoRow& row : Rows) {
        StoredArticle a;
        a.Name = row.Name;
        a.Barcode = row.Barcode;
        a.PriceHundredths = row.PriceHundredths;
        a.TaxRate = row.TaxRate;
        a.Department = row.Department;
        a.Measurement = row.Measurement;
        articles[row.Location] = a;
    }
    return articles;
}
