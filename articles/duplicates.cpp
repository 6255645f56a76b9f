#include "articles/duplicates.h"

#include <string_view>
#include <unordered_map>
#include <vector>

namespace {

constexpr char PairSeparator[] = ", ";
constexpr char PieceSeparator[] = " - ";
constexpr char NameOpen[] = "\"";
constexpr char NameClose[] = "\"";
constexpr char BarcodeOpen[] = "[";
constexpr char BarcodeClose[] = "]";
constexpr char NameVerdict[] = " - Dupliran naziv";
constexpr char BarcodeVerdict[] = " - Dupliran barkod";

ECRString PairLine(int i, int j, const char* open, const ECRString& text, const char* close,
                   const char* verdict) {
    return ECRString(i) + PairSeparator + ECRString(j) + PieceSeparator + open + text + close +
           verdict;
}

// The indices sharing each text, ascending, and where each index stands in its group.
class Groups {
public:
    template <typename Text> explicit Groups(const ArticleTable& table, Text text) {
        std::unordered_map<std::string_view, int> ids;
        ids.reserve(ArticleTableSize);
        for (int i = 0; i < ArticleTableSize; ++i) {
            const ECRString& s = text(table[i]);
            const auto [at, fresh] = ids.emplace(std::string_view(s.Text(), s.GetLength()),
                                                 static_cast<int>(Members.size()));
            if (fresh) {
                Members.emplace_back();
            }
            Group[i] = at->second;
            Place[i] = static_cast<int>(Members[at->second].size());
            Members[at->second].push_back(i);
        }
    }
    // The indices after i that share its text.
    const int* LaterBegin(int i) const { return Members[Group[i]].data() + Place[i] + 1; }
    const int* LaterEnd(int i) const {
        const std::vector<int>& m = Members[Group[i]];
        return m.data() + m.size();
    }

private:
    std::vector<std::vector<int>> Members;
    int Group[ArticleTableSize] = {};
    int Place[ArticleTableSize] = {};
};

// Merges i's later equal names and equal barcodes by j, name line first for one j.
void ReportIndex(const ArticleTable& table, int i, const Groups& names, const Groups& codes,
                 const ReportLine& report) {
    const int* n = names.LaterBegin(i);
    const int* nEnd = names.LaterEnd(i);
    const int* c = codes.LaterBegin(i);
    const int* cEnd = codes.LaterEnd(i);
    while (n != nEnd || c != cEnd) {
        const bool nameFirst = c == cEnd || (n != nEnd && *n <= *c);
        const bool codeFirst = n == nEnd || (c != cEnd && *c <= *n);
        const int j = nameFirst ? *n : *c;
        if (nameFirst) {
            report(DuplicateNameLine(i, j, table[i].Name()));
            ++n;
        }
        if (codeFirst) {
            report(DuplicateBarcodeLine(i, j, table[i].Barcode()));
            ++c;
        }
    }
}

} // namespace

ECRString DuplicateNameLine(int i, int j, const ECRString& name) {
    return PairLine(i, j, NameOpen, name, NameClose, NameVerdict);
}

ECRString DuplicateBarcodeLine(int i, int j, const ECRString& code) {
    return PairLine(i, j, BarcodeOpen, code, BarcodeClose, BarcodeVerdict);
}

void ExamineDuplicates(const ArticleTable& table, const ReportLine& report,
                       const ProgressStep& step) {
    const Groups names(table,
                       [](const TalonPLUItem& item) -> const ECRString& { return item.Name(); });
    const Groups codes(table,
                       [](const TalonPLUItem& item) -> const ECRString& { return item.Barcode(); });
    for (int i = 0; i < ArticleTableSize; ++i) {
        if (IsPresent(table[i])) {
            ReportIndex(table, i, names, codes, report);
        }
        step();
    }
}
