// The tax rate of each write, followed back from the till's image through the record.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "operations/tax_rates.h"

namespace {

TalonPLUItem Held(const std::string& barcode, int taxRate) {
    TalonPLUItem item;
    item.FromFileText(
        ("\"X\"\t" + barcode + "\t1.00\t" + std::to_string(taxRate) + "\t1\t0\t0\t0\t0\t0\t0\t0")
            .c_str(),
        '\t');
    return item;
}

TEST(TaxRatesAfter, FollowTheImageBackThroughTheLines) {
    const char* const lines[] = {
        "t1\tposalji\t2\t099\tA\t?\t1.00\t",
        "t2\tizmene\t2\t099\tA\t1.00\t2.00\t",
        "t3\tizmene\t2\t099\tA\t2.00\t3.00\tPoreska stopa: 1 -> 4",
        "t4\tizmene\t2\t100\tA\t3.00\t3.50\tBarkod: 099 -> 100",
        "t5\tizmene\t3\t200\tB\t5.00\t6.00\t", // the image holds another barcode there
        "t6\tizmene\t4\t300\tC\t\t7.00\t",     // a new article
        "t7\tobrisi\t5\t400\tD\t8.00\t\t",
    };
    std::vector<HistoryEntry> record;
    for (const char* line : lines) {
        record.push_back(ReadHistoryEntry("TE1", record.size() + 1, line));
    }
    RegisterImage image;
    image.Articles[2] = Held("100", 4);
    image.Articles[3] = Held("999", 2);
    image.Articles[4] = Held("300", 3);
    EXPECT_EQ(TaxRatesAfter(record, image),
              (std::vector<std::string>{"1", "1", "4", "4", "", "3", ""}));
    EXPECT_EQ(TaxRatesAfter(record, RegisterImage()),
              (std::vector<std::string>{"1", "1", "4", "", "", "", ""}));
}

} // namespace
