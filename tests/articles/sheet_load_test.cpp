// Loading the articles of .xlsx and .ods workbooks.
#include <cctype>
#include <functional>
#include <gtest/gtest.h>

#include "articles/article_file.h"
#include "articles/load_messages.h"
#include "sheet_test_files.h"

namespace {

std::vector<std::string> Lines(const LoadOutcome& outcome, const std::string& path) {
    std::vector<std::string> lines;
    for (const ECRString& line : LoadMessages(outcome, path.c_str())) {
        lines.emplace_back(line.Text());
    }
    return lines;
}

// The lines that tell of refused rows.
std::vector<std::string> RowLines(const LoadOutcome& outcome) {
    std::vector<std::string> lines;
    for (const std::string& line : Lines(outcome, "x")) {
        if (line.rfind("Red ", 0) == 0) {
            lines.push_back(line);
        }
    }
    return lines;
}

// The samples saved by Calc and by openpyxl, each worked out by hand from its rows.
const char* const SampleSheets[] = {"cenovnik-libreoffice.xlsx", "cenovnik-openpyxl.xlsx",
                                    "cenovnik-libreoffice.ods"};

const char* const SampleArticles[] = {
    "\xD5\xEB\xE5\xE1 \xE1\xE5\xEB\xE8 500\xE3|8600001000011|65|2|1|0|0|0|0|1|0|0",
    "Mleko 2,8% 1l|8600001000028|129.99|2|1|0|0|0|0|1|0|0",
    "Cokolada mlecna|8600001000035|189.5|1|1|0|0|0|0|1|0|0",
    "Sok|0100|99|2|1|0|0|0|0|1|0|0",
    "Kafa 200g|8600041234567|144|2|2|0|1|0|0|1|0|0",
    "Voda 1,5l|5449000000996|45.5|2|3|1|0|0|0|1|2.5|113.75",
    "Pivo \"Jelen\" 0,5l|8600001000112|89.9|2|1|0|0|0|0|1|0|0",
};

class SampleSheet : public ::testing::TestWithParam<const char*> {};

TEST_P(SampleSheet, LoadsTheArticlesItsRowsHold) {
    const std::string path = std::string(TALON_SAMPLES_DIR "/") + GetParam();
    ArticleTable table;
    const LoadOutcome outcome = LoadArticles(path, table);
    ASSERT_TRUE(outcome.Opened) << Lines(outcome, path).front();
    EXPECT_EQ(outcome.Taken, 7);
    EXPECT_FALSE(outcome.HeadingIsArticle);
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(Fields(table[static_cast<std::size_t>(2 + i)], false), SampleArticles[i])
            << "location " << 2 + i;
    }
    EXPECT_EQ(table[9].Name().GetLength(), 0u);
    EXPECT_EQ(Lines(outcome, path),
              std::vector<std::string>{"Red 9: neispravna cena \"2026-12-08\""});
}

INSTANTIATE_TEST_SUITE_P(Samples, SampleSheet, ::testing::ValuesIn(SampleSheets),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                             std::string name;
                             for (const char* c = info.param; *c != '\0'; ++c) {
                                 name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
                             }
                             return name;
                         });

enum class Format { Xlsx, Ods };

// One row 2 of a workbook: what location 2 holds after the load ("" for nothing) and the
// lines that tell of refused rows.
struct CellCase {
    const char* Name;
    Format Kind;
    std::string Rows;
    std::string Taken;
    std::vector<std::string> Refused;
};

std::string X(const std::string& cells, int row = 2) {
    return "<row r=\"" + std::to_string(row) + "\">" + cells + "</row>";
}

// An .xlsx row 2 named "Artikal" (shared string 0) with the given barcode and price cells.
std::string XRow(const std::string& barcode, const std::string& price,
                 const std::string& rest = "") {
    return X("<c r=\"A2\" t=\"s\"><v>0</v></c>" + barcode + price + rest);
}

const std::string XBarcode = "<c r=\"B2\"><v>8600041234567</v></c>";
const std::string XPrice = "<c r=\"C2\"><v>12.5</v></c>";

// An .ods row: "Artikal", then the given cells.
std::string ORow(const std::string& cells, const std::string& repeat = "") {
    return "<table:table-row" + repeat +
           "><table:table-cell office:value-type=\"string\"><text:p>Artikal</text:p>"
           "</table:table-cell>" +
           cells + "</table:table-row>";
}

std::string OFloat(const std::string& value, const std::string& shown = "x") {
    return "<table:table-cell office:value-type=\"float\" office:value=\"" + value + "\"><text:p>" +
           shown + "</text:p></table:table-cell>";
}

std::string OText(const std::string& paragraph) {
    return "<table:table-cell office:value-type=\"string\"><text:p>" + paragraph +
           "</text:p></table:table-cell>";
}

const std::string OBarcode = OFloat("8600041234567", "8,60004E+12");
const std::string OPrice = OFloat("12.5", "12,50");
const std::string Plain = "Artikal|8600041234567|12.5|0|0|0|0|0|0|0|0|0";

const CellCase CellCases[] = {
    {"XlsxNumberBarcodeKeepsItsDigits", Format::Xlsx, XRow(XBarcode, XPrice), Plain, {}},
    {"XlsxTextBarcodeKeepsLeadingZero",
     Format::Xlsx,
     XRow("<c r=\"B2\" t=\"s\" s=\"6\"><v>1</v></c>", XPrice),
     "Artikal|0100|12.5|0|0|0|0|0|0|0|0|0",
     {}},
    {"XlsxFractionBarcodeIsRefused",
     Format::Xlsx,
     XRow("<c r=\"B2\"><v>12.5</v></c>", XPrice),
     "",
     {"Red 2: barkod \"12.5\" je u obliku broja sa eksponentom"}},
    {"XlsxRichTextRunsJoined",
     Format::Xlsx,
     X("<c r=\"A2\" t=\"s\"><v>2</v></c>" + XBarcode + XPrice),
     "Mleko|8600041234567|12.5|0|0|0|0|0|0|0|0|0",
     {}},
    {"XlsxInlineStringName",
     Format::Xlsx,
     X("<c r=\"A2\" t=\"inlineStr\"><is><r><t>Ka</t></r><r><t>fa</t></r></is></c>" + XBarcode +
       XPrice),
     "Kafa|8600041234567|12.5|0|0|0|0|0|0|0|0|0",
     {}},
    {"XlsxTextPriceWithDecimalComma",
     Format::Xlsx,
     XRow(XBarcode, "<c r=\"C2\" t=\"s\"><v>3</v></c>"),
     "Artikal|8600041234567|12.5|0|0|0|0|0|0|0|0|0",
     {}},
    {"XlsxFormulaGivesItsSavedResult",
     Format::Xlsx,
     XRow(XBarcode, "<c r=\"C2\"><f>120*1.2</f><v>144</v></c>"),
     "Artikal|8600041234567|144|0|0|0|0|0|0|0|0|0",
     {}},
    {"XlsxFormulaTextResult",
     Format::Xlsx,
     XRow(XBarcode, "<c r=\"C2\" t=\"str\"><f>\"7\"</f><v>7</v></c>"),
     "Artikal|8600041234567|7|0|0|0|0|0|0|0|0|0",
     {}},
    {"XlsxFormulaWithoutResultIsEmpty",
     Format::Xlsx,
     XRow(XBarcode, "<c r=\"C2\"><f>120*1.2</f></c>"),
     "",
     {}},
    {"XlsxBuiltInDatePrice",
     Format::Xlsx,
     XRow(XBarcode, "<c r=\"C2\" s=\"1\"><v>46364</v></c>"),
     "",
     {"Red 2: neispravna cena \"2026-12-08\""}},
    {"XlsxCustomDatePrice",
     Format::Xlsx,
     XRow(XBarcode, "<c r=\"C2\" s=\"2\"><v>46364</v></c>"),
     "",
     {"Red 2: neispravna cena \"2026-12-08\""}},
    {"Xlsx1904DatePrice",
     Format::Xlsx,
     X("<c r=\"A2\" t=\"s\"><v>0</v></c>" + XBarcode + "<c r=\"C2\" s=\"1\"><v>44902</v></c>"),
     "",
     {"Red 2: neispravna cena \"2026-12-08\""}},
    {"XlsxQuotedSuffixIsNoDate",
     Format::Xlsx,
     XRow(XBarcode, "<c r=\"C2\" s=\"4\"><v>12.5</v></c>"),
     Plain,
     {}},
    {"XlsxColourIsNoDate",
     Format::Xlsx,
     XRow(XBarcode, "<c r=\"C2\" s=\"5\"><v>12.5</v></c>"),
     Plain,
     {}},
    {"XlsxTimeTaxRate",
     Format::Xlsx,
     XRow(XBarcode, XPrice, "<c r=\"D2\" s=\"3\"><v>0.5</v></c>"),
     "",
     {"Red 2: neispravno polje 4 \"12:00:00\""}},
    {"XlsxBooleanDepartment",
     Format::Xlsx,
     XRow(XBarcode, XPrice, "<c r=\"E2\" t=\"b\"><v>1</v></c>"),
     "",
     {"Red 2: neispravno polje 5 \"TRUE\""}},
    {"XlsxErrorPrice",
     Format::Xlsx,
     XRow(XBarcode, "<c r=\"C2\" t=\"e\"><v>#DIV/0!</v></c>"),
     "",
     {"Red 2: neispravna cena \"#DIV/0!\""}},
    {"XlsxCellsWithoutReferenceFollowOneAnother",
     Format::Xlsx,
     X("<c t=\"s\"><v>0</v></c><c><v>8600041234567</v></c><c><v>12.5</v></c><c><v>2</v></c>"),
     "Artikal|8600041234567|12.5|2|0|0|0|0|0|0|0|0",
     {}},
    {"XlsxSkippedColumnsStayEmpty",
     Format::Xlsx,
     XRow(XBarcode, XPrice, "<c r=\"L2\"><v>99.5</v></c><c r=\"M2\"><v>1</v></c>"),
     "Artikal|8600041234567|12.5|0|0|0|0|0|0|0|0|99.5",
     {}},
    {"XlsxRowsNumberedAsTheSheetDoes",
     Format::Xlsx,
     X("<c r=\"A7\" t=\"s\"><v>0</v></c><c r=\"B7\"><v>1</v></c><c r=\"C7\" "
       "t=\"e\"><v>#N/A</v></c>",
       7),
     "",
     {"Red 7: neispravna cena \"#N/A\""}},
    {"XlsxEmptyRowSkippedSilently",
     Format::Xlsx,
     X("<c r=\"A2\" s=\"1\"/><c r=\"B2\" t=\"str\"><f>\"\"</f><v></v></c>"),
     "",
     {}},
    {"XlsxNumberInExponentFormIsRead",
     Format::Xlsx,
     XRow("<c r=\"B2\"><v>8.6000412345670E+12</v></c>", "<c r=\"C2\"><v>1.25E1</v></c>"),
     Plain,
     {}},
    {"OdsNumberFromItsValueNotItsText", Format::Ods, ORow(OBarcode + OPrice), Plain, {}},
    {"OdsTextWithSpacesAndSpans",
     Format::Ods,
     "<table:table-row>" +
         OText("Mle<text:span>ko</text:span><text:s text:c=\"2\"/>1l<office:annotation><text:p>"
               "napomena</text:p></office:annotation>") +
         OBarcode + OPrice + "</table:table-row>",
     "Mleko  1l|8600041234567|12.5|0|0|0|0|0|0|0|0|0",
     {}},
    {"OdsTextPriceWithDecimalComma", Format::Ods, ORow(OBarcode + OText("12,50")), Plain, {}},
    {"OdsTextBarcodeKeepsLeadingZero",
     Format::Ods,
     ORow(OText("0100") + OPrice),
     "Artikal|0100|12.5|0|0|0|0|0|0|0|0|0",
     {}},
    {"OdsCurrencyPrice",
     Format::Ods,
     ORow(OBarcode + "<table:table-cell office:value-type=\"currency\" office:currency=\"RSD\" "
                     "office:value=\"12.5\"><text:p>12,50 RSD</text:p></table:table-cell>"),
     Plain,
     {}},
    {"OdsFractionBarcodeIsRefused",
     Format::Ods,
     ORow(OFloat("12.5") + OPrice),
     "",
     {"Red 2: barkod \"12.5\" je u obliku broja sa eksponentom"}},
    {"OdsDatePrice",
     Format::Ods,
     ORow(OBarcode +
          "<table:table-cell office:value-type=\"date\" office:date-value=\"2026-12-08\">"
          "<text:p>08.12.2026</text:p></table:table-cell>"),
     "",
     {"Red 2: neispravna cena \"2026-12-08\""}},
    {"OdsTimeTaxRate",
     Format::Ods,
     ORow(OBarcode + OPrice +
          "<table:table-cell office:value-type=\"time\" office:time-value=\"PT12H30M00S\">"
          "<text:p>12:30</text:p></table:table-cell>"),
     "",
     {"Red 2: neispravno polje 4 \"12:30:00\""}},
    {"OdsBooleanDepartment",
     Format::Ods,
     ORow(OBarcode + OPrice + OFloat("2") +
          "<table:table-cell office:value-type=\"boolean\" office:boolean-value=\"false\">"
          "<text:p>FALSE</text:p></table:table-cell>"),
     "",
     {"Red 2: neispravno polje 5 \"FALSE\""}},
    {"OdsErrorPrice",
     Format::Ods,
     ORow(OBarcode + "<table:table-cell table:formula=\"of:=1/0\" office:value-type=\"float\" "
                     "office:value=\"0\" calcext:value-type=\"error\"><text:p>#DIV/0!</text:p>"
                     "</table:table-cell>"),
     "",
     {"Red 2: neispravna cena \"#DIV/0!\""}},
    {"OdsRepeatedColumnsExpanded",
     Format::Ods,
     ORow(OBarcode + OPrice +
          "<table:table-cell table:number-columns-repeated=\"2\" office:value-type=\"float\" "
          "office:value=\"3\"/><table:covered-table-cell/>" +
          OFloat("1") + "<table:table-cell table:number-columns-repeated=\"16370\"/>"),
     "Artikal|8600041234567|12.5|3|3|0|1|0|0|0|0|0",
     {}},
    {"OdsRepeatedEmptyRowsOnlyCounted",
     Format::Ods,
     "<table:table-row table:number-rows-repeated=\"5\"><table:table-cell "
     "table:number-columns-repeated=\"16384\"/></table:table-row>" +
         ORow(OBarcode + OText("abc")),
     "",
     {"Red 7: neispravna cena \"abc\""}},
    {"OdsRepeatedRowGivesEachItsNumber",
     Format::Ods,
     ORow(OBarcode + OText("abc"), " table:number-rows-repeated=\"2\""),
     "",
     {"Red 2: neispravna cena \"abc\"", "Red 3: neispravna cena \"abc\""}},
};

class SheetCells : public ::testing::TestWithParam<CellCase> {};

TEST_P(SheetCells, ReadAsTheTextFileWould) {
    const CellCase& c = GetParam();
    TempDir dir;
    const std::string path = dir.File("tabela");
    WriteZip(path, c.Kind == Format::Xlsx
                       ? XlsxEntries(c.Rows, std::string(c.Name).find("1904") != std::string::npos)
                       : OdsEntries(c.Rows));
    ArticleTable table;
    const LoadOutcome outcome = LoadArticles(path, table);
    ASSERT_TRUE(outcome.Opened) << Lines(outcome, path).front();
    EXPECT_EQ(outcome.Taken, c.Taken.empty() ? 0 : 1);
    EXPECT_EQ(table[2].Name().GetLength() > 0 ? Fields(table[2], false) : "", c.Taken);
    EXPECT_EQ(RowLines(outcome), c.Refused);
    EXPECT_FALSE(outcome.HeadingIsArticle);
}

INSTANTIATE_TEST_SUITE_P(Kinds, SheetCells, ::testing::ValuesIn(CellCases),
                         [](const ::testing::TestParamInfo<CellCase>& info) {
                             return std::string(info.param.Name);
                         });

TEST(SheetRows, RepeatedArticleRowFillsOneLocationEach) {
    TempDir dir;
    const std::string path = dir.File("a.ods");
    WriteZip(path, OdsEntries(ORow(OBarcode + OPrice, " table:number-rows-repeated=\"3\"")));
    ArticleTable table;
    const LoadOutcome outcome = LoadArticles(path, table);
    EXPECT_EQ(outcome.Taken, 3);
    for (int i : {2, 3, 4}) {
        EXPECT_EQ(Fields(table[static_cast<std::size_t>(i)], false), Plain) << i;
    }
}

TEST(SheetRows, RefusedRepeatedRowIsToldForEachRow) {
    TempDir dir;
    const std::string path = dir.File("a.ods");
    WriteZip(path,
             OdsEntries(ORow(OBarcode + OText("abc"), " table:number-rows-repeated=\"1000\"") +
                        ORow(OBarcode + OPrice)));
    ArticleTable table;
    const LoadOutcome outcome = LoadArticles(path, table);
    EXPECT_EQ(outcome.Taken, 1);
    ASSERT_EQ(outcome.Notes.size(), static_cast<std::size_t>(MaxRowNotes));
    EXPECT_EQ(outcome.Notes.front().Line, 2);
    EXPECT_EQ(outcome.Notes.back().Line, 1 + MaxRowNotes);
    EXPECT_EQ(outcome.NotesLeftOut, 1000 - MaxRowNotes);
    EXPECT_EQ(Fields(table[2], false), Plain);
}

TEST(SheetRows, HeadingRowThatReadsAsArticleIsToldAndSkipped) {
    TempDir dir;
    const std::string path = dir.File("a.xlsx");
    std::vector<ZipEntry> entries = XlsxEntries(XRow(XBarcode, XPrice));
    entries[5].Content = std::string("<worksheet xmlns=\"") + SheetMain + "\"><sheetData>" +
                         X("<c t=\"inlineStr\"><is><t>Prvi</t></is></c><c><v>1</v></c>"
                           "<c><v>2</v></c>",
                           1) +
                         XRow(XBarcode, XPrice) + "</sheetData></worksheet>";
    WriteZip(path, entries);
    ArticleTable table;
    const LoadOutcome outcome = LoadArticles(path, table);
    EXPECT_EQ(outcome.Taken, 1);
    EXPECT_EQ(Lines(outcome, path),
              std::vector<std::string>{"Prvi red se preskace kao zaglavlje: \"Prvi\""});
}

TEST(SheetRows, FullTableCountsTheRowsLeftOver) {
    TempDir dir;
    const std::string path = dir.File("a.ods");
    WriteZip(path, OdsEntries(ORow(OBarcode + OPrice, " table:number-rows-repeated=\"3000\"")));
    ArticleTable table;
    const LoadOutcome outcome = LoadArticles(path, table);
    EXPECT_EQ(outcome.Taken, ArticleTableSize - FirstLoadedLocation);
    EXPECT_EQ(outcome.LinesNotTaken, 3000 - (ArticleTableSize - FirstLoadedLocation));
}

// Files that are not read at all: one line with the reason, nothing in the table, even
// when rows before the fault would have been taken.
struct BadCase {
    const char* Name;
    std::function<void(const std::string&)> Write;
    const char* Reason;
};

std::string ManyRows(int count) {
    std::string rows;
    for (int i = 0; i < count; ++i) {
        rows += X("<c t=\"s\"><v>0</v></c><c><v>8600041234567</v></c><c><v>12.5</v></c>", 2 + i);
    }
    return rows;
}

std::vector<ZipEntry> WithSheet(const std::string& sheet) {
    std::vector<ZipEntry> entries = XlsxEntries("");
    entries[5].Content = sheet;
    return entries;
}

// Ten entities, each ten of the one before: &j; would be ten thousand million bytes.
std::string EntityBomb() {
    std::string entities = "<!ENTITY a \"aaaaaaaaaa\">";
    for (char e = 'b'; e <= 'j'; ++e) {
        std::string refs;
        for (int i = 0; i < 10; ++i) {
            refs += std::string("&") + static_cast<char>(e - 1) + ";";
        }
        entities += std::string("<!ENTITY ") + e + " \"" + refs + "\">";
    }
    return entities;
}

const BadCase BadCases[] = {
    {"EncryptedWorkbook",
     [](const std::string& path) {
         WriteBytes(path, std::string("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8) +
                              std::string(600, '\0') + Utf16Bytes(u"EncryptedInfo") +
                              std::string(3, '\0') + Utf16Bytes(u"EncryptedPackage") +
                              std::string(100, '\0'));
     },
     "sifrovan fajl"},
    {"OldExcel",
     [](const std::string& path) {
         WriteBytes(path, std::string("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8) +
                              std::string(2000, '\0') + Utf16Bytes(u"Workbook"));
     },
     "stari Excel format (.xls)"},
    {"EncryptedZipEntry",
     [](const std::string& path) {
         WriteZip(path, XlsxEntries(ManyRows(2)));
         MarkEncrypted(path);
     },
     "sifrovan fajl"},
    {"EncryptedOds",
     [](const std::string& path) {
         std::vector<ZipEntry> entries = OdsEntries(ORow(OBarcode + OPrice));
         entries[1].Content =
             "<manifest:manifest xmlns:manifest=\"urn:oasis:names:tc:opendocument:xmlns:"
             "manifest:1.0\"><manifest:file-entry manifest:full-path=\"content.xml\">"
             "<manifest:encryption-data manifest:checksum-type=\"SHA1/1K\"/>"
             "</manifest:file-entry></manifest:manifest>";
         WriteZip(path, entries);
     },
     "sifrovan fajl"},
    {"BrokenZip",
     [](const std::string& path) {
         const std::string sample = ReadBytes(TALON_SAMPLES_DIR "/cenovnik-libreoffice.xlsx");
         WriteBytes(path, sample.substr(0, sample.size() / 2));
     },
     "ostecen zip"},
    {"DamagedEntry",
     [](const std::string& path) {
         WriteZip(path, XlsxEntries(ManyRows(2)), true);
         std::string bytes = ReadBytes(path);
         const std::size_t at = bytes.find("<si><t>Artikal");
         bytes[at + 8] = 'a'; // still well-formed XML, but no longer what its checksum says
         WriteBytes(path, bytes);
     },
     "ostecen zip"},
    {"BrokenXmlAfterGoodRows",
     [](const std::string& path) {
         WriteZip(path, WithSheet(std::string("<worksheet xmlns=\"") + SheetMain +
                                  "\"><sheetData>" + ManyRows(3) + "<row r=\"9\"><c>"));
     },
     "ostecen XML"},
    {"BrokenOdsXmlAfterGoodRow",
     [](const std::string& path) {
         WriteZip(path, OdsEntries(ORow(OBarcode + OPrice) +
                                   "<table:table-row><table:table-cell></table:table-row>"));
     },
     "ostecen XML"},
    {"MoreThan64MiBUnpacked",
     [](const std::string& path) {
         WriteZip(path,
                  WithSheet(std::string("<worksheet xmlns=\"") + SheetMain + "\"><sheetData>" +
                            ManyRows(2) + std::string(65u * 1024 * 1024, ' ') +
                            "</sheetData></worksheet>"));
     },
     "vise od 64 MiB"},
    {"EntityBomb",
     [](const std::string& path) {
         WriteZip(path, WithSheet("<?xml version=\"1.0\"?><!DOCTYPE worksheet [" + EntityBomb() +
                                  "]><worksheet xmlns=\"" + SheetMain + "\"><sheetData>" +
                                  X("<c t=\"inlineStr\"><is><t>&j;</t></is></c>") +
                                  "</sheetData></worksheet>"));
     },
     "XML sa DOCTYPE deklaracijom"},
    {"ZipWithoutWorkbook",
     [](const std::string& path) {
         WriteZip(path, {{"word/document.xml", "<document/>"}});
     },
     "zip nije .xlsx ni .ods"},
    {"WorkbookWithoutWorksheet",
     [](const std::string& path) {
         std::vector<ZipEntry> entries = XlsxEntries(ManyRows(1));
         entries.erase(entries.begin() + 5); // sheet1.xml
         WriteZip(path, entries);
     },
     "nema radnog lista"},
    {"RowPastTheLastSheetRow",
     [](const std::string& path) {
         WriteZip(path, OdsEntries(ORow(OBarcode + OPrice) +
                                   "<table:table-row table:number-rows-repeated=\"1048574\">"
                                   "<table:table-cell/></table:table-row>" +
                                   ORow(OBarcode + OPrice)));
     },
     "vise od 1048576 redova"},
};

class BadSheet : public ::testing::TestWithParam<BadCase> {};

TEST_P(BadSheet, GivesItsReasonAndLoadsNothing) {
    TempDir dir;
    const std::string path = dir.File("artikli.txt"); // the content counts, not the name
    GetParam().Write(path);
    ArticleTable table;
    table[2].FromFileText("Staro\t1\t5", '\t');
    const LoadOutcome outcome = LoadArticles(path, table);
    EXPECT_FALSE(outcome.Opened);
    EXPECT_EQ(outcome.Taken, 0);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(table[static_cast<std::size_t>(i)].Name().GetLength(), 0u) << i;
    }
    EXPECT_EQ(Lines(outcome, path),
              std::vector<std::string>{"Fajl " + path + " nije moguce procitati kao tabelu (" +
                                       GetParam().Reason + ")"});
}

INSTANTIATE_TEST_SUITE_P(Files, BadSheet, ::testing::ValuesIn(BadCases),
                         [](const ::testing::TestParamInfo<BadCase>& info) {
                             return std::string(info.param.Name);
                         });

} // namespace
