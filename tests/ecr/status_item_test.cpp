#include <string>

#include <gtest/gtest.h>

#include "ecr/talon_status_item.h"
#include "tests/plu/plu_test_text.h"

namespace {
// Six numbers with SEP, three texts with LF, eight numbers with TAB.
const std::string FirstNine = WithSep("7|1|3|2024|5|31|123456789\nAB12345678\nTALON 1.0\n");
const std::string LastEight = "8\t20\t4\t6\t77\t2400\t3\t9\t";
const std::string ParsedFirstNine = "7|1|3|2024|5|31|123456789|AB12345678|TALON 1.0";

// Every field with an accessor, "|" between them (field 14 has none).
std::string StatusFields(const TalonStatusItem& s) {
    std::string line;
    for (const std::int32_t n : {s.GetModel(), s.GetFiscalized(), s.GetTotalizers(), s.GetYear(),
                                 s.GetMonth(), s.GetDay()}) {
        line += std::to_string(n) + "|";
    }
    line += Bytes(s.GetTaxId()) + "|" + Bytes(s.GetFiscalModuleId()) + "|" + Bytes(s.GetVersion());
    for (const std::int32_t n :
         {s.GetDepartments(), s.GetProgrammableKeys(), s.GetCashiers(), s.GetPaymentMethods(),
          s.GetArticles(), s.GetBarcodeFormats(), s.GetPackagings()}) {
        line += "|" + std::to_string(n);
    }
    return line;
}

struct StatusCase {
    const char* Title;
    std::string Payload;
    std::string Parsed;
};

void PrintTo(const StatusCase& c, std::ostream* os) {
    *os << c.Title;
}

class StatusParse : public ::testing::TestWithParam<StatusCase> {};

// Each payload is parsed over a record that already holds a full reply, so that a field
// the payload lacks must be cleared, not kept.
TEST_P(StatusParse, EveryField) {
    TalonStatusItem item;
    item.Parse((FirstNine + LastEight).c_str());
    item.Parse(GetParam().Payload.c_str());
    EXPECT_EQ(StatusFields(item), GetParam().Parsed);
}

// In the full reply the fourteenth field (77) has no accessor but must be consumed, so
// that Articles is 2400.
INSTANTIATE_TEST_SUITE_P(
    Replies, StatusParse,
    ::testing::Values(
        StatusCase{"Full", FirstNine + LastEight, ParsedFirstNine + "|8|20|4|6|2400|3|9"},
        StatusCase{"ExtraBytesIgnored", FirstNine + LastEight + WithSep("55\t66|junk"),
                   ParsedFirstNine + "|8|20|4|6|2400|3|9"},
        StatusCase{"EndsAfterNinthField", FirstNine, ParsedFirstNine + "|0|0|0|0|0|0|0"},
        StatusCase{"ErrorReplyIsFieldOne", "RR255", "0|0|0|0|0|0||||0|0|0|0|0|0|0"},
        StatusCase{"NumericErrorIsTheModel", "255", "255|0|0|0|0|0||||0|0|0|0|0|0|0"}),
    [](const auto& info) { return info.param.Title; });
} // namespace
