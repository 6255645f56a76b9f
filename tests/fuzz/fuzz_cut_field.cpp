#include "tests/fuzz/fuzz_input.h"

// First byte: separator; second: quote character; the rest is cut field by field.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2)
        return 0;
    const char separator = static_cast<char>(data[0]);
    const char quote = static_cast<char>(data[1]);
    ECRString rest = FuzzText(data + 2, size - 2);
    std::uint32_t consumed = 0;
    while (rest.GetLength() > 0) {
        const std::uint32_t before = rest.GetLength();
        ECRString field = rest.CutField(separator, quote);
        if (rest.GetLength() >= before || field.GetLength() > before)
            __builtin_trap(); // every cut must shorten the text
        consumed += before - rest.GetLength();
    }
    (void)consumed;
    return 0;
}
