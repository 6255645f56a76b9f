#include "bench/bench_articles.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <random>
#include <vector>

namespace {

std::string Field(const char* format, int value) {
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

std::string ArticleLine(int n, int nameNumber, bool newPrice = false) {
    return "\"Artikal " + Field("%05d", nameNumber) + "\"\t" + Field("86%011d", nameNumber) + "\t" +
           Field("%d.50", 10 + n % 900 + (newPrice ? 1000 : 0)) +
           "\t1\t2\t0\t0\t0\t0\t0\t0.000\t0.00";
}

// ASCII text as UTF-16LE.
std::string Utf16(const std::string& ascii) {
    std::string out;
    for (char c : ascii) {
        out.push_back(c);
        out.push_back('\0');
    }
    return out;
}

} // namespace

void WriteArticleFile(const std::string& path, int count, int duplicateEvery) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << Utf16("Naziv\tBarkod\tCena\r\n");
    for (int n = 0; n < count; ++n) {
        const bool repeat = duplicateEvery > 0 && n > 0 && n % duplicateEvery == 0;
        file << Utf16(ArticleLine(n, repeat ? n - 1 : n) + "\r\n");
    }
}

void WriteChangedArticleFile(const std::string& path, int count, int changed) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << Utf16("Naziv\tBarkod\tCena\r\n");
    const int every = changed > 0 ? count / changed : count + 1;
    for (int n = 0; n < count; ++n) {
        file << Utf16(ArticleLine(n, n, n % every == 0 && n / every < changed) + "\r\n");
    }
}

void FillRegisterTable(ArticleTable& table, int count) {
    ClearArticles(table);
    for (int n = 0; n < count; ++n) {
        const int location = n + FirstLoadedLocation;
        const std::string reply = "Artikal " + Field("%05d", n) + "\n" + Field("86%011d", n) +
                                  "\n1250\t1\xfe"
                                  "2\xfe"
                                  "0\xfe"
                                  "0\xfe"
                                  "0\xfe"
                                  "0\xfe"
                                  "0\xfe" +
                                  "1500\t9999\t" + Field("%d", location) + "\t" +
                                  Field("%d", location + 1) + "\t";
        table[location].FromECRText(ECRString(reply.c_str()));
    }
}

void FillShuffledBarcodes(ArticleTable& table, int count) {
    ClearArticles(table);
    std::vector<int> codes;
    for (int n = 0; n < count; ++n)
        codes.push_back(n % 5 == 0 ? 0 : 2 + n);
    std::mt19937 random(42);
    std::shuffle(codes.begin(), codes.end(), random);
    for (int n = 0; n < count; ++n) {
        const int location = n + FirstLoadedLocation;
        const std::string code = codes[n] == 0 ? Field("86%011d", n) : Field("%d", codes[n]);
        const std::string line = "\"Artikal " + Field("%05d", n) + "\"\t" + code + "\t10.00";
        table[location].FromFileText(ECRString(line.c_str()), '\t');
    }
}
