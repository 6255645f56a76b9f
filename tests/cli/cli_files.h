#pragma once

#include <string>
#include <vector>

#include "tests/articles/article_test_files.h"

// An article file: "Artikal N" with barcode 1000+N and the given price in hundredths,
// N = 1, 2, ..., taking locations 2, 3, ...
inline std::string WriteArticleFile(const TempDir& dir, const std::vector<long>& hundredths,
                                    const std::string& name = "a.txt") {
    std::u16string text = u"Naziv\tBarkod\tCena\r\n";
    for (std::size_t i = 0; i < hundredths.size(); ++i) {
        const long cents = hundredths[i];
        const std::string price = std::to_string(cents / 100) + "." +
                                  (cents % 100 < 10 ? "0" : "") + std::to_string(cents % 100);
        const std::string line = "\"Artikal " + std::to_string(i + 1) + "\"\t" +
                                 std::to_string(1001 + i) + "\t" + price +
                                 "\t2\t1\t0\t0\t0\t0\t0\t0\t0\r\n";
        text += std::u16string(line.begin(), line.end());
    }
    const std::string path = dir.File(name);
    WriteBytes(path, "\xFF\xFE" + Utf16Bytes(text));
    return path;
}

// count articles priced N.50.
inline std::string WriteArticleFile(const TempDir& dir, int count,
                                    const std::string& name = "a.txt") {
    std::vector<long> prices;
    for (int n = 1; n <= count; ++n) {
        prices.push_back(n * 100 + 50);
    }
    return WriteArticleFile(dir, prices, name);
}

inline TalonPLUItem Article(const std::string& name, const std::string& barcode,
                            const std::string& price = "12.00") {
    TalonPLUItem item;
    item.FromFileText(
        ("\"" + name + "\"\t" + barcode + "\t" + price + "\t2\t1\t0\t0\t0\t0\t0\t0\t0").c_str(),
        '\t');
    return item;
}
