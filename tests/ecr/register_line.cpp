#include "tests/ecr/register_line.h"

#include "serial/port_devices.h"

namespace {
constexpr int LineSpeed = 9600;
constexpr int DataBits = 8;
// Long enough for any frame to arrive; only reached when a test fails.
constexpr int FrameWaitMs = 3000;
constexpr char Esc = 0x1B;
const std::string FrameEnd = "\x1B\\";
const std::string FrameStart = "\x1BP";
// Bytes the envelope adds before and after a command or payload.
constexpr size_t OpeningBytes = 2;
constexpr size_t ClosingBytes = 4;

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// One frame as the register object wrote it, or a lone control byte (ENQ, ACK, NAK).
std::string TakeFrame(PtyPair& pty) {
    std::string frame = pty.ReceiveCount(1, FrameWaitMs);
    if (frame.empty() || frame[0] != Esc) {
        return frame;
    }
    while (!EndsWith(frame, FrameEnd)) {
        const std::string next = pty.ReceiveCount(1, FrameWaitMs);
        if (next.empty()) {
            break;
        }
        frame += next;
    }
    return frame;
}
} // namespace

void RegisterLine::SetUp() {
    Pty = std::make_unique<PtyPair>();
    RegisterPortDevice(TestPort, Pty->SlavePath());
    Serial =
        std::make_unique<WindowsSerial>(PortSettings(TestPort, LineSpeed, DataBits, 0, 0, 0, 0));
    ASSERT_TRUE(Serial->Open());
    Ecr = std::make_unique<TalonECR>(*Serial);
}

void RegisterLine::TearDown() {
    if (FarEnd.joinable()) {
        FarEnd.join();
    }
    Ecr.reset();
    Serial.reset();
    UnregisterPortDevice(TestPort);
}

void RegisterLine::AnswerNextFrame(const std::string& answer) {
    ASSERT_FALSE(FarEnd.joinable()) << "the previous exchange was not collected";
    Received.clear();
    FarEnd = std::thread([this, answer] {
        try {
            Received = TakeFrame(*Pty);
            if (!answer.empty()) {
                Pty->Send(answer);
            }
        } catch (const std::exception& e) {
            FarEndError = e.what();
        }
    });
}

std::string RegisterLine::ReceivedFrame() {
    if (FarEnd.joinable()) {
        FarEnd.join();
    }
    EXPECT_EQ(FarEndError, "") << "the far end of the line failed";
    return Received;
}

std::string ReplyFrame(const std::string& payload) {
    return FrameStart + "RR" + payload + "00" + FrameEnd;
}

std::string CodeReply(int code) {
    return ReplyFrame("R:" + std::to_string(code));
}

std::string CommandOf(const std::string& frame) {
    if (frame.size() < OpeningBytes + ClosingBytes) {
        return std::string();
    }
    return frame.substr(OpeningBytes, frame.size() - OpeningBytes - ClosingBytes);
}

std::int32_t ReadAny(TalonECR& ecr, std::int32_t location) {
    TalonPLUItem item;
    return ecr.ReadArticle(location, item);
}
