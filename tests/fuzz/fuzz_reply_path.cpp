#include "ecr/frame_codec.h"
#include "tests/fuzz/fuzz_input.h"

// A reply as it comes off the line: unframed, then judged.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const ECRString reply = FuzzText(data, size);
    const ECRString payload = UnframeReply(reply);
    if (payload.GetLength() > reply.GetLength())
        __builtin_trap();
    (void)PayloadCode(payload);
    return 0;
}
