#include "plu/talon_plu_item.h"
#include "tests/fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TalonPLUItem item;
    item.FromECRText(FuzzText(data, size));
    // Whatever was read must encode again without harm.
    ECRString again = item.ToECRText();
    (void)again;
    return 0;
}
