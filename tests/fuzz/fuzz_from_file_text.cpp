#include "plu/talon_plu_item.h"
#include "tests/fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TalonPLUItem item;
    item.FromFileText(FuzzText(data, size), '\t');
    ECRString line = item.ToFileText('\t');
    TalonPLUItem again;
    again.FromFileText(line, '\t');
    return 0;
}
