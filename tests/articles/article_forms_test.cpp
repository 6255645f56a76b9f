// Article files as spreadsheets write them: encodings, separators, quotes and numbers.
#include <ostream>
#include <random>
#include <vector>

#include <gtest/gtest.h>

#include "article_test_files.h"
#include "articles/article_file.h"
#include "text/utf8_text.h"

namespace {

using Row = std::vector<std::string>; // fields as the cells hold them (UTF-8)

const Row HeadingRow = {"Naziv",     "Barkod",        "Cena",        "Poreska stopa",
                        "Odeljenje", "Ambalaza",      "Fiksna cena", "Max cena",
                        "Min cena",  "Jedinica mere", "Kolicina",    "Promet"};
// Decimal commas, quoted numbers and barcodes, separators inside a quoted name.
const std::vector<Row> SameRows = {
    {"Хлеб бели 500г", "\"0100\"", "45,50", "\"2\"", "1", "0", "1", "0", "1", "3", "1,5", "12,25"},
    {"\"Pivo, limenka; 0.5l\"", "2399", "95.00", "2", "4"},
    {"\"Sok \"\"Jabuka\"\" 1l\"", "8600043000017", " 120 ", "1", "", "", "", "1"},
    {"Čokolada", "7", "\"1,5\"", "1", "2", "0", "0", "0", "0", "0", "0", "0"},
};
// The table those rows give, from location 2 (names in Windows-1251).
const std::string SameTable[] = {
    "\xD5\xEB\xE5\xE1 \xE1\xE5\xEB\xE8 500\xE3|0100|45.5|2|1|0|1|0|1|3|1.5|12.25",
    "Pivo, limenka; 0.5l|2399|95|2|4|0|0|0|0|0|0|0",
    "Sok \"Jabuka\" 1l|8600043000017|120|1|0|0|0|1|0|0|0|0",
    "Cokolada|7|1.5|1|2|0|0|0|0|0|0|0",
};

enum class Bytes16 { LE, BE };

std::string Utf16(const std::u16string& text, Bytes16 order) {
    std::string bytes = Utf16Bytes(text);
    if (order == Bytes16::BE) {
        for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
            std::swap(bytes[i], bytes[i + 1]);
        }
    }
    return bytes;
}

// A cell holding the separator is quoted, as a spreadsheet writes it.
std::string Joined(const Row& row, char separator) {
    std::string line;
    for (std::size_t k = 0; k < row.size(); ++k) {
        const std::string& cell = row[k];
        const bool quote = cell.find(separator) != std::string::npos && cell.front() != '"';
        line += (k > 0 ? std::string(1, separator) : "") + (quote ? "\"" + cell + "\"" : cell);
    }
    return line;
}

struct FormCase {
    const char* Title;
    const char* Encoding; // "utf-16le", "utf-16be" or "utf-8"
    bool Mark;            // with a byte-order mark
    char Separator;
    const char* LineEnd;
};

void PrintTo(const FormCase& c, std::ostream* os) {
    *os << c.Title;
}

std::string FileOf(const FormCase& c, const Row& heading, const std::vector<Row>& rows) {
    std::string text = Joined(heading, c.Separator) + c.LineEnd;
    for (const Row& row : rows) {
        text += Joined(row, c.Separator) + c.LineEnd;
    }
    const std::string encoding = c.Encoding;
    if (encoding == "utf-8") {
        return (c.Mark ? "\xEF\xBB\xBF" : "") + text;
    }
    const Bytes16 order = encoding == "utf-16be" ? Bytes16::BE : Bytes16::LE;
    return Utf16((c.Mark ? u"\uFEFF" : u"") + Utf8ToUtf16(text), order);
}

class SpreadsheetFile : public ::testing::Test {
protected:
    LoadOutcome Load(const std::string& bytes) {
        WriteBytes(Dir.File("a.txt"), bytes);
        return LoadArticles(Dir.File("a.txt"), Table);
    }
    TempDir Dir;
    ArticleTable Table;
};

class LoadForms : public SpreadsheetFile, public ::testing::WithParamInterface<FormCase> {};

TEST_P(LoadForms, SameRowsGiveSameTable) {
    const LoadOutcome outcome = Load(FileOf(GetParam(), HeadingRow, SameRows));
    EXPECT_TRUE(outcome.Opened);
    EXPECT_EQ(outcome.Taken, 4);
    EXPECT_TRUE(outcome.Notes.empty());
    EXPECT_FALSE(outcome.HeadingIsArticle);
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(Fields(Table[FirstLoadedLocation + k], false), SameTable[k]) << k;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, LoadForms,
    ::testing::Values(FormCase{"Utf16LETab", "utf-16le", false, '\t', "\r\n"},
                      FormCase{"Utf16LEMarkTabLF", "utf-16le", true, '\t', "\n"},
                      FormCase{"Utf16BEMarkTab", "utf-16be", true, '\t', "\r\n"},
                      FormCase{"Utf8TabCR", "utf-8", false, '\t', "\r"},
                      FormCase{"Utf8MarkTab", "utf-8", true, '\t', "\r\n"},
                      FormCase{"Utf8MarkSemicolon", "utf-8", true, ';', "\r\n"},
                      FormCase{"Utf8CommaLF", "utf-8", false, ',', "\n"},
                      FormCase{"Utf16LESemicolon", "utf-16le", false, ';', "\r\n"},
                      FormCase{"Utf16BEMarkCommaCR", "utf-16be", true, ',', "\r"}),
    [](const auto& info) { return std::string(info.param.Title); });

// One field of an otherwise plain article line, in a UTF-16LE TAB file.
struct FieldCase {
    const char* Title;
    int Field;
    const char* Text;
    const char* Read; // the taken article as Fields gives it; null: not taken
    LineFault Fault;  // why, when not taken (None: skipped without a word)
};

void PrintTo(const FieldCase& c, std::ostream* os) {
    *os << c.Title;
}

class LoadFieldText : public SpreadsheetFile, public ::testing::WithParamInterface<FieldCase> {};

TEST_P(LoadFieldText, TakenOrNoted) {
    const FieldCase& c = GetParam();
    Row row = {"Hleb", "5", "10", "0", "0", "0", "0", "0", "0", "0", "0", "0"};
    row[static_cast<std::size_t>(c.Field - 1)] = c.Text;
    const FormCase form{"", "utf-16le", false, '\t', "\r\n"};
    const LoadOutcome outcome = Load(FileOf(form, HeadingRow, {row}));
    EXPECT_EQ(outcome.Taken, c.Read != nullptr ? 1 : 0);
    if (c.Read != nullptr) {
        EXPECT_EQ(Fields(Table[FirstLoadedLocation], false), c.Read);
    }
    ASSERT_EQ(outcome.Notes.size(), c.Fault != LineFault::None ? 1u : 0u);
    if (c.Fault != LineFault::None) {
        EXPECT_EQ(outcome.Notes[0].Line, 2);
        EXPECT_EQ(outcome.Notes[0].Reading.Fault, c.Fault);
        EXPECT_EQ(outcome.Notes[0].Reading.Field, c.Field);
        EXPECT_STREQ(outcome.Notes[0].Reading.Text.Text(), c.Text);
    }
}

const std::string Overflow = "1" + std::string(400, '0');
constexpr LineFault Ok = LineFault::None;

INSTANTIATE_TEST_SUITE_P(
    Fields, LoadFieldText,
    ::testing::Values(
        FieldCase{"PriceDecimalComma", 3, "12,50", "Hleb|5|12.5|0|0|0|0|0|0|0|0|0", Ok},
        FieldCase{"PriceQuoted", 3, "\"12,50\"", "Hleb|5|12.5|0|0|0|0|0|0|0|0|0", Ok},
        FieldCase{"PriceBlanksAround", 3, " 12.5 ", "Hleb|5|12.5|0|0|0|0|0|0|0|0|0", Ok},
        FieldCase{"PriceNegativeSkippedQuietly", 3, "-3", nullptr, Ok},
        FieldCase{"PriceGroupedWithPoint", 3, "1.250,00", nullptr, LineFault::Price},
        FieldCase{"PriceGroupedWithComma", 3, "1,250.00", nullptr, LineFault::Price},
        FieldCase{"PriceWithCurrency", 3, "12,50 din", nullptr, LineFault::Price},
        FieldCase{"PriceHugeExponent", 3, "1e999", nullptr, LineFault::Price},
        FieldCase{"PriceInf", 3, "inf", nullptr, LineFault::Price},
        FieldCase{"PricePlus", 3, "+5", nullptr, LineFault::Price},
        FieldCase{"PriceOverflow", 3, Overflow.c_str(), nullptr, LineFault::Price},
        FieldCase{"TaxQuoted", 4, "\"2\"", "Hleb|5|10|2|0|0|0|0|0|0|0|0", Ok},
        FieldCase{"TaxWord", 4, "da", nullptr, LineFault::Field},
        FieldCase{"DepartmentOverflow", 5, "99999999999", nullptr, LineFault::Field},
        FieldCase{"FlagDecimalOne", 7, "1,0", "Hleb|5|10|0|0|0|1|0|0|0|0|0", Ok},
        FieldCase{"FlagTwoNotSet", 8, "2", "Hleb|5|10|0|0|0|0|0|0|0|0|0", Ok},
        FieldCase{"QuantityComma", 11, "2,5", "Hleb|5|10|0|0|0|0|0|0|0|2.5|0", Ok},
        FieldCase{"TurnoverWithCurrency", 12, "12,5 RSD", nullptr, LineFault::Field},
        FieldCase{"BarcodeQuoted", 2, "\"0100\"", "Hleb|0100|10|0|0|0|0|0|0|0|0|0", Ok},
        FieldCase{"BarcodeKeepsBlanks", 2, " 860", "Hleb| 860|10|0|0|0|0|0|0|0|0|0", Ok},
        FieldCase{"BarcodeLetterE", 2, "E12", "Hleb|E12|10|0|0|0|0|0|0|0|0|0", Ok},
        FieldCase{"BarcodeExponent", 2, "8.60004E+12", nullptr, LineFault::ExponentBarcode},
        FieldCase{"BarcodeExponentComma", 2, "8,6E+12", nullptr, LineFault::ExponentBarcode}),
    [](const auto& info) { return std::string(info.param.Title); });

TEST_F(SpreadsheetFile, NotesCountFileLinesAndStopAtTwenty) {
    // Line 2 is one long line read in two pieces; lines end in CR, LF and CR LF.
    std::u16string text = u"Naziv\tBarkod\tCena\r\n";
    text += u"Dugo\t1\t2\t" + std::u16string(1490, u'0') + u"\n";
    text += u"A\t1\tabc\r";
    for (int k = 0; k < 24; ++k) {
        text += u"B\t2\t1,2,3\r\n";
    }
    const LoadOutcome outcome = Load(Utf16Bytes(text));
    EXPECT_EQ(outcome.Taken, 1);
    ASSERT_EQ(outcome.Notes.size(), static_cast<std::size_t>(MaxRowNotes));
    EXPECT_EQ(outcome.Notes[0].Line, 3);
    EXPECT_STREQ(outcome.Notes[0].Reading.Text.Text(), "abc");
    EXPECT_EQ(outcome.Notes[1].Line, 4);
    EXPECT_EQ(outcome.Notes[19].Line, 22);
    EXPECT_EQ(outcome.NotesLeftOut, 5);
}

// Register articles with every field drawn at random, as listing them would fill a table.
TEST(SaveAndLoad, EverySavedArticleLoadsBackUnchanged) {
    std::mt19937 random(20240611);
    const auto pick = [&random](const std::string& letters, int length) {
        std::string out;
        std::uniform_int_distribution<std::size_t> at(0, letters.size() - 1);
        for (int k = 0; k < length; ++k) {
            out += letters[at(random)];
        }
        return out;
    };
    const auto number = [&random](int low, int high) {
        return std::to_string(std::uniform_int_distribution<int>(low, high)(random));
    };
    ArticleTable saved;
    for (int i = 0; i < 300; ++i) {
        const std::string reply =
            pick("abcXYZ 0129.,;%\t\xC0\xD5\xE1\xFF\xA3\x8A", 1 + i % 40) + "\n" +
            pick("0123456789", 1 + i % 13) + "\n" + number(1, 2000000000) + "\t" + number(-9, 99) +
            "|" + number(0, 99) + "|" + number(0, 9) + "|" + number(0, 1) + "|" + number(0, 1) +
            "|" + number(0, 1) + "|" + number(0, 9) + "|" + number(-2000000000, 2000000000) + "\t" +
            number(-2000000000, 2000000000) + "\t" + std::to_string(i + 1) + "\t0";
        saved[i].FromECRText(WithSep(reply).c_str());
    }
    TempDir dir;
    ASSERT_TRUE(SaveArticles(dir.File("a.txt"), saved));
    ArticleTable loaded;
    const LoadOutcome outcome = LoadArticles(dir.File("a.txt"), loaded);
    EXPECT_TRUE(outcome.Notes.empty());
    ASSERT_EQ(outcome.Taken, 300);
    for (int i = 0; i < 300; ++i) {
        EXPECT_EQ(Fields(loaded[FirstLoadedLocation + i], false), Fields(saved[i], false)) << i;
    }
}

} // namespace
