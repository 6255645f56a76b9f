#include "ecr/talon_status_item.h"
#include "tests/fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TalonStatusItem status;
    status.Parse(FuzzText(data, size));
    return status.GetVersion().GetLength() > size ? 1 : 0;
}
