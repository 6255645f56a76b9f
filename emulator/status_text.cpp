#include "emulator/status_text.h"

#include <ctime>

#include "ecr/control_bytes.h"
#include "image/local_time.h"

namespace {
// What the emulated register reports about itself.
constexpr int Model = 12;
constexpr int Fiscalized = 1;
constexpr int Totalizers = 6;
constexpr char TaxId[] = "100200300";
constexpr int Departments = 16;
constexpr int ProgrammableKeys = 60;
constexpr int Cashiers = 8;
constexpr int PaymentMethods = 4;
constexpr int Reserved = 0;
constexpr int BarcodeFormats = 3;
constexpr int Packagings = 10;
constexpr int FirstYear = 1900; // tm_year counts from here
constexpr int FirstMonth = 1;   // tm_mon counts from 0

void Put(std::string& out, const std::string& field, char ending) {
    out += field;
    out += ending;
}
void Put(std::string& out, int number, char ending) {
    Put(out, std::to_string(number), ending);
}
} // namespace

std::string StatusText(const RegisterState& state) {
    using namespace ControlByte;
    const std::time_t now = std::time(nullptr);
    const std::tm today = LocalTimeParts(now);
    std::string out;
    Put(out, Model, SEP);
    Put(out, Fiscalized, SEP);
    Put(out, Totalizers, SEP);
    Put(out, today.tm_year + FirstYear, SEP);
    Put(out, today.tm_mon + FirstMonth, SEP);
    Put(out, today.tm_mday, SEP);
    Put(out, TaxId, LF);
    Put(out, state.GetFiscalModule(), LF);
    Put(out, state.GetVersion(), LF);
    Put(out, Departments, TAB);
    Put(out, ProgrammableKeys, TAB);
    Put(out, Cashiers, TAB);
    Put(out, PaymentMethods, TAB);
    Put(out, Reserved, TAB);
    Put(out, static_cast<int>(state.All().size()), TAB);
    Put(out, BarcodeFormats, TAB);
    Put(out, Packagings, TAB);
    return out;
}
