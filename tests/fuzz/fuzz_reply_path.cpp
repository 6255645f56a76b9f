#include "ecr/frame_codec.h"
#include "tests/fuzz/fuzz_input.h"

// A reply as it comes off the line: unframed, then judged.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const ECRString reply = FuzzText(data, size);
    const ECRString frame = FrameFromOpening(reply);
    if (frame.GetLength() > reply.GetLength() || (frame.GetLength() > 0 && !EndsFrame(frame)))
        __builtin_trap();
    const ECRString payload = UnframeReply(frame.GetLength() > 0 ? frame : reply);
    if (payload.GetLength() > reply.GetLength())
        __builtin_trap();
    (void)PayloadHasCode(payload);
    (void)PayloadCode(payload);
    return 0;
}
