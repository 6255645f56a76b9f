#include "emulator/command_dispatch.h"

#include <functional>
#include <optional>

#include "ecr/control_bytes.h"
#include "ecr/frame_codec.h"
#include "emulator/register_codes.h"
#include "emulator/reply_builder.h"
#include "emulator/status_text.h"
#include "emulator/wire_fields.h"

namespace {
using ControlByte::ESC;
using ControlByte::LF;
using ControlByte::SEP;
using ControlByte::TAB;

constexpr std::string::size_type OpeningLength = 2; // ESC "P"
constexpr std::string::size_type ChecksumLength = 2;
constexpr std::string::size_type ClosingLength = 2; // ESC "\"
constexpr char WriteLetters[] = "#r5";
constexpr std::string::size_type EnvelopeLength = OpeningLength + ChecksumLength + ClosingLength;

using Handler =
    std::function<std::string(const std::string& rest, RegisterState&, const FaultPlan&)>;

struct CommandEntry {
    const char* Letters;
    bool AllowedLoggedOut;
    Handler Answer;
};

std::string Code(int code) {
    return CodeBody(code);
}

// "#r5", "#d5": SEP and, for writes, "1" SEP open the parameters.
bool TakePrefix(std::string& rest, const std::string& prefix) {
    if (rest.compare(0, prefix.size(), prefix) != 0) {
        return false;
    }
    rest.erase(0, prefix.size());
    return true;
}

// The article number ended by TAB; nullopt when the TAB is missing.
std::optional<int> TakeNumber(std::string& rest) {
    if (rest.find(TAB) == std::string::npos) {
        return std::nullopt;
    }
    return LeadingInt(CutAt(rest, TAB));
}

std::string LogOut(const std::string&, RegisterState& state, const FaultPlan&) {
    state.LogOut();
    return Code(RegisterCode::Ok);
}

std::string LogIn(const std::string& rest, RegisterState& state, const FaultPlan&) {
    // The password is everything up to the LF that closes the command.
    if (rest.empty() || rest.back() != LF) {
        state.LogOut();
        return Code(RegisterCode::WrongPassword);
    }
    return Code(state.LogIn(rest.substr(0, rest.size() - 1)));
}

std::string Printing(const std::string& rest, RegisterState& state, const FaultPlan&) {
    const std::string on = std::string(1, SEP) + "1" + SEP;
    const std::string off = std::string(1, SEP) + "0" + SEP;
    if (rest != on && rest != off) {
        return Code(RegisterCode::WrongParameter);
    }
    state.SetPrinting(rest == on);
    return Code(RegisterCode::Ok);
}

std::string Status(const std::string&, RegisterState& state, const FaultPlan&) {
    return StatusText(state);
}

// The location of a write command's parameters, nullopt for a malformed one; rest is
// left at the programming text.
std::optional<int> TakeWriteLocation(std::string& rest) {
    if (!TakePrefix(rest, std::string(1, SEP) + "1" + SEP)) {
        return std::nullopt;
    }
    return TakeNumber(rest);
}

// What replaces the whole reply to a write of a location given garbage; nullopt otherwise.
std::optional<std::string> WriteGarbage(const std::string& command, const FaultPlan& faults) {
    const std::string letters = WriteLetters;
    if (command.compare(0, letters.size(), letters) != 0) {
        return std::nullopt;
    }
    std::string rest = command.substr(letters.size());
    const std::optional<int> location = TakeWriteLocation(rest);
    return location ? faults.WriteGarbageFor(*location) : std::nullopt;
}

std::string WriteArticle(const std::string& parameters, RegisterState& state,
                         const FaultPlan& faults) {
    std::string rest = parameters;
    const std::optional<int> location = TakeWriteLocation(rest);
    if (!location) {
        return Code(RegisterCode::WrongParameterCount);
    }
    if (const std::optional<int> refusal = faults.WriteRefusal(*location)) {
        return Code(*refusal);
    }
    const int code = state.Write(*location, ParseProgrammingText(rest));
    if (const std::optional<StoredArticle> altered = faults.WriteAlteration(*location);
        altered && code == RegisterCode::Ok) {
        state.Put(*location, *altered);
    }
    return Code(code);
}

std::string ReadArticle(const std::string& parameters, RegisterState& state,
                        const FaultPlan& faults) {
    std::string rest = parameters;
    const std::optional<int> asked = TakeNumber(rest);
    const auto& all = state.All();
    if (!asked || all.empty()) {
        return Code(RegisterCode::NotProgrammed);
    }
    const auto found = *asked == 0 ? all.begin() : all.find(*asked);
    if (found == all.end()) {
        return Code(RegisterCode::NotProgrammed);
    }
    int next = state.NextAfter(found->first);
    if (next == 0) {
        next = LastNextID(faults.GetNextIDFault(), all.begin()->first);
    }
    return ReadingText(found->second, found->first, next);
}

std::string DeleteArticle(const std::string& parameters, RegisterState& state, const FaultPlan&) {
    std::string rest = parameters;
    const std::optional<int> location =
        TakePrefix(rest, std::string(1, SEP)) ? TakeNumber(rest) : std::nullopt;
    if (!location) {
        return Code(RegisterCode::WrongParameterCount);
    }
    return Code(state.Erase(*location));
}

const CommandEntry Commands[] = {
    {"*q", true, LogOut},
    {"*i", true, LogIn},
    {"$s", true, Status},
    {"#y1", false, Printing},
    {WriteLetters, false, WriteArticle},
    {"$b", false, ReadArticle},
    {"#d5", false, DeleteArticle},
};

bool ChecksumRight(const std::string& frame) {
    if (frame.size() < EnvelopeLength || frame[1] != ControlByte::FrameOpen ||
        frame[frame.size() - ClosingLength] != ESC) {
        return false;
    }
    const std::string command = FrameCommandText(frame);
    const ECRString expected = FrameChecksum(ECRString(command.c_str()));
    return frame.compare(frame.size() - ClosingLength - ChecksumLength, ChecksumLength,
                         expected.Text()) == 0;
}

} // namespace

std::string FrameCommandText(const std::string& frame) {
    if (frame.size() < EnvelopeLength) {
        return std::string();
    }
    return frame.substr(OpeningLength, frame.size() - EnvelopeLength);
}

std::string AnswerCommand(const std::string& command, RegisterState& state,
                          const FaultPlan& faults) {
    for (const CommandEntry& entry : Commands) {
        const std::string letters = entry.Letters;
        if (command.compare(0, letters.size(), letters) != 0) {
            continue;
        }
        if (!entry.AllowedLoggedOut && !state.LoggedIn()) {
            return Code(RegisterCode::NotAllowedInThisMode);
        }
        return entry.Answer(command.substr(letters.size()), state, faults);
    }
    return Code(state.LoggedIn() ? RegisterCode::Unavailable : RegisterCode::NotAllowedInThisMode);
}

std::string AnswerFrame(const std::string& frame, RegisterState& state, FaultPlan& faults) {
    const std::string command = FrameCommandText(frame);
    std::string body;
    if (!ChecksumRight(frame)) {
        body = Code(RegisterCode::BadChecksum);
    } else if (const std::optional<int> refusal = faults.TakeRefusal()) {
        body = Code(*refusal);
    } else {
        body = AnswerCommand(command, state, faults);
    }
    if (const std::optional<std::string> garbage = WriteGarbage(command, faults)) {
        return *garbage;
    }
    return faults.Spoil(BuildReply(command, faults.SpoilBody(body), faults.KeepsBackslashes()));
}
