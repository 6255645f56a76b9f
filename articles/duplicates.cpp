#include "articles/duplicates.h"

#include <algorithm>
#include <string>
#include <unordered_map>
#include <vector>

#include "text/digits.h"

namespace {

constexpr char PairSeparator[] = ", ";
constexpr char PieceSeparator[] = " - ";
constexpr char NameOpen[] = "\"";
constexpr char NameClose[] = "\"";
constexpr char BarcodeOpen[] = "[";
constexpr char BarcodeClose[] = "]";
constexpr char BarcodeBetween[] = "] / [";
constexpr char NameVerdict[] = " - Dupliran naziv";
constexpr char BarcodeVerdict[] = " - Dupliran barkod";
constexpr char CutNameVerdict[] = " - Isti naziv u kasi (prvih 16 znakova)";
constexpr char CutBarcodeVerdict[] = " - Isti barkod u kasi (prvih 13 znakova)";
constexpr char NumberVerdict[] = " - Isti barkod kao broj";

ECRString PairLine(int i, int j, const char* open, const ECRString& text, const char* close,
                   const char* verdict) {
    return ECRString(i) + PairSeparator + ECRString(j) + PieceSeparator + open + text + close +
           verdict;
}

std::string Bytes(const ECRString& text) {
    return std::string(text.Text(), text.GetLength());
}

ECRString CutName(const TalonPLUItem& item) {
    return item.Name().Sub(0, DescriptionWireLength);
}

ECRString CutCode(const TalonPLUItem& item) {
    return item.Barcode().Sub(0, CodeWireLength);
}

// The cut barcode as a number without leading zeros; false when it is not all digits.
bool NumberKey(const TalonPLUItem& item, std::string& key) {
    const std::string digits = Bytes(CutCode(item));
    if (!AllDigits(digits)) {
        return false;
    }
    const std::size_t first = digits.find_first_not_of('0');
    key = first == std::string::npos ? "0" : digits.substr(first);
    return true;
}

bool SameNumber(const TalonPLUItem& a, const TalonPLUItem& b) {
    std::string x;
    std::string y;
    return NumberKey(a, x) && NumberKey(b, y) && x == y;
}

// The indices sharing each key, ascending; an entry without a key is in no group.
class Groups {
public:
    template <typename Key> Groups(const ArticleTable& table, Key key) {
        std::unordered_map<std::string, int> ids;
        ids.reserve(ArticleTableSize);
        for (int i = 0; i < ArticleTableSize; ++i) {
            std::string k;
            if (!key(table[i], k)) {
                continue;
            }
            const auto [at, fresh] = ids.emplace(std::move(k), static_cast<int>(Members.size()));
            if (fresh) {
                Members.emplace_back();
            }
            Group[i] = at->second;
            Place[i] = static_cast<int>(Members[at->second].size());
            Members[at->second].push_back(i);
        }
    }
    // Appends the indices after i that share its key.
    void AddLater(int i, std::vector<int>& out) const {
        if (Group[i] < 0) {
            return;
        }
        const std::vector<int>& m = Members[Group[i]];
        out.insert(out.end(), m.begin() + Place[i] + 1, m.end());
    }

private:
    std::vector<std::vector<int>> Members;
    std::vector<int> Group = std::vector<int>(ArticleTableSize, -1);
    std::vector<int> Place = std::vector<int>(ArticleTableSize, 0);
};

void ReportPair(const ArticleTable& table, int i, int j, const ReportLine& report) {
    const TalonPLUItem& a = table[i];
    const TalonPLUItem& b = table[j];
    if (a.Name() == b.Name()) {
        report(DuplicateNameLine(i, j, a.Name()));
    } else if (CutName(a) == CutName(b)) {
        report(CutNameLine(i, j, CutName(a)));
    }
    if (a.Barcode() == b.Barcode()) {
        report(DuplicateBarcodeLine(i, j, a.Barcode()));
    } else if (CutCode(a) == CutCode(b)) {
        report(CutBarcodeLine(i, j, CutCode(a)));
    } else if (SameNumber(a, b)) {
        report(NumberBarcodeLine(i, j, a.Barcode(), b.Barcode()));
    }
}

} // namespace

ECRString DuplicateNameLine(int i, int j, const ECRString& name) {
    return PairLine(i, j, NameOpen, name, NameClose, NameVerdict);
}

ECRString DuplicateBarcodeLine(int i, int j, const ECRString& code) {
    return PairLine(i, j, BarcodeOpen, code, BarcodeClose, BarcodeVerdict);
}

ECRString CutNameLine(int i, int j, const ECRString& cut) {
    return PairLine(i, j, NameOpen, cut, NameClose, CutNameVerdict);
}

ECRString CutBarcodeLine(int i, int j, const ECRString& cut) {
    return PairLine(i, j, BarcodeOpen, cut, BarcodeClose, CutBarcodeVerdict);
}

ECRString NumberBarcodeLine(int i, int j, const ECRString& x, const ECRString& y) {
    return PairLine(i, j, BarcodeOpen, x + BarcodeBetween + y, BarcodeClose, NumberVerdict);
}

void ExamineDuplicates(const ArticleTable& table, const ReportLine& report,
                       const ProgressStep& step) {
    // Cut texts group every exact match with them; numbers add what the cut misses.
    const Groups names(table, [](const TalonPLUItem& item, std::string& key) {
        key = Bytes(CutName(item));
        return true;
    });
    const Groups codes(table, [](const TalonPLUItem& item, std::string& key) {
        key = Bytes(CutCode(item));
        return true;
    });
    const Groups numbers(table, NumberKey);
    std::vector<int> later;
    for (int i = 0; i < ArticleTableSize; ++i) {
        if (IsPresent(table[i])) {
            later.clear();
            names.AddLater(i, later);
            codes.AddLater(i, later);
            numbers.AddLater(i, later);
            std::sort(later.begin(), later.end());
            later.erase(std::unique(later.begin(), later.end()), later.end());
            for (const int j : later) {
                ReportPair(table, i, j, report);
            }
        }
        step();
    }
}
