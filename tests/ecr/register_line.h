#pragma once

#include <memory>
#include <string>
#include <thread>

#include <gtest/gtest.h>

#include "ecr/talon_ecr.h"
#include "serial/windows_serial.h"
#include "tests/plu/plu_test_text.h"
#include "tests/support/pty_pair.h"

// A register object on a real serial link whose far end, a pseudo-terminal, the test plays.
class RegisterLine : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The far end takes one frame (or a lone control byte) off the line, then sends
    // answer; an empty answer leaves the line silent.
    void AnswerNextFrame(const std::string& answer);
    // Waits for the far end and gives the bytes it took.
    std::string ReceivedFrame();

    static constexpr int TestPort = 41;
    std::unique_ptr<PtyPair> Pty;
    std::unique_ptr<WindowsSerial> Serial;
    std::unique_ptr<TalonECR> Ecr;

private:
    std::thread FarEnd;
    std::string Received;
    std::string FarEndError;
};

// The reply bytes around a payload, as Unframe expects them (the envelope is not checked).
std::string ReplyFrame(const std::string& payload);
// A reply whose payload carries the register code.
std::string CodeReply(int code);
// The command text inside a frame: the frame less "ESC P" and "checksum ESC \".
std::string CommandOf(const std::string& frame);
// Reads an article into a throw-away record and gives ReadArticle's result.
std::int32_t ReadAny(TalonECR& ecr, std::int32_t location);
