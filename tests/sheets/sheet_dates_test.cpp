// How .xlsx number formats and dates of both formats are read.
#include <gtest/gtest.h>

#include "sheets/sheet_dates.h"

namespace {

struct FormatCase {
    const char* Name;
    int Id;
    const char* Code;
    NumberFormatKind Kind;
};

const FormatCase FormatCases[] = {
    {"General", 164, "General", NumberFormatKind::Number},
    {"BuiltInNumber", 2, "", NumberFormatKind::Number},
    {"BuiltInDate", 14, "", NumberFormatKind::Date},
    {"BuiltInDateTime", 22, "", NumberFormatKind::Date},
    {"BuiltInTime", 21, "", NumberFormatKind::Time},
    {"BuiltInDuration", 46, "", NumberFormatKind::Time},
    {"EscapedDots", 165, "dd\\.mm\\.yyyy", NumberFormatKind::Date},
    {"UpperCase", 165, "DD.MM.YYYY", NumberFormatKind::Date},
    {"MonthName", 165, "mmm", NumberFormatKind::Date},
    {"ElapsedHours", 165, "[h]:mm:ss", NumberFormatKind::Time},
    {"QuotedSuffix", 165, "#,##0.00\" dinara\"", NumberFormatKind::Number},
    {"Colour", 165, "[Red]0.00;[Blue]-0.00", NumberFormatKind::Number},
    {"Locale", 165, "[$-sr-Latn-RS]0.00", NumberFormatKind::Number},
    {"EscapedLetter", 165, "0\\d", NumberFormatKind::Number},
    {"Padding", 165, "_(0_s)", NumberFormatKind::Number},
    {"Exponent", 165, "0.00E+00", NumberFormatKind::Number},
    {"Text", 165, "@", NumberFormatKind::Number},
};

class NumberFormat : public ::testing::TestWithParam<FormatCase> {};

TEST_P(NumberFormat, KindFromIdAndCode) {
    EXPECT_EQ(FormatKindOf(GetParam().Id, GetParam().Code), GetParam().Kind);
}

INSTANTIATE_TEST_SUITE_P(Formats, NumberFormat, ::testing::ValuesIn(FormatCases),
                         [](const ::testing::TestParamInfo<FormatCase>& info) {
                             return std::string(info.param.Name);
                         });

TEST(SheetDates, SerialNumbersAsExcelShowsThem) {
    EXPECT_EQ(SerialDateText(1, false, "1"), "1900-01-01");
    EXPECT_EQ(SerialDateText(59, false, "59"), "1900-02-28");
    EXPECT_EQ(SerialDateText(60, false, "60"), "1900-02-29"); // Excel's day that never was
    EXPECT_EQ(SerialDateText(61, false, "61"), "1900-03-01");
    EXPECT_EQ(SerialDateText(46364, false, "46364"), "2026-12-08");
    EXPECT_EQ(SerialDateText(46364.75, false, "46364.75"), "2026-12-08 18:00:00");
    EXPECT_EQ(SerialDateText(0, true, "0"), "1904-01-01");
    EXPECT_EQ(SerialDateText(-1, false, "-1"), "-1");
    EXPECT_EQ(SerialDateText(1e9, false, "1E9"), "1E9");
    EXPECT_EQ(SerialTimeText(0.5, "0.5"), "12:00:00");
    EXPECT_EQ(SerialTimeText(1.5, "1.5"), "36:00:00");
}

TEST(SheetDates, OpenDocumentValuesAsTheyAreWritten) {
    EXPECT_EQ(IsoDateText("2026-12-08"), "2026-12-08");
    EXPECT_EQ(IsoDateText("2026-12-08T00:00:00"), "2026-12-08");
    EXPECT_EQ(IsoDateText("2026-12-08T10:30:15.25"), "2026-12-08 10:30:15");
    EXPECT_EQ(IsoTimeText("PT12H30M00S"), "12:30:00");
    EXPECT_EQ(IsoTimeText("PT36H00M05.5S"), "36:00:05");
    EXPECT_EQ(IsoTimeText("P1DT2H"), "P1DT2H");
}

} // namespace
