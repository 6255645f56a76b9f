// The register's state, its faults and the records, reached from other threads.
#include "emulator/emulator_state.h"

namespace {
using Hold = std::lock_guard<std::mutex>;
} // namespace

void TalonEmulator::SetArticle(int location, const TalonPLUItem& item) {
    const Hold hold(S->Lock);
    S->Register.Put(location, FromPLUItem(item));
}

std::map<int, TalonPLUItem> TalonEmulator::Articles() const {
    const Hold hold(S->Lock);
    std::map<int, TalonPLUItem> articles;
    for (const auto& [location, article] : S->Register.All()) {
        articles[location] = ToPLUItem(article, location, S->Register.NextAfter(location));
    }
    return articles;
}

void TalonEmulator::ClearArticles() {
    const Hold hold(S->Lock);
    S->Register.Clear();
}

void TalonEmulator::SetVersion(const std::string& version) {
    const Hold hold(S->Lock);
    S->Register.SetVersion(version);
}

bool TalonEmulator::PrintingOn() const {
    const Hold hold(S->Lock);
    return S->Register.PrintingOn();
}

bool TalonEmulator::LoggedIn() const {
    const Hold hold(S->Lock);
    return S->Register.LoggedIn();
}

void TalonEmulator::GoSilentAfter(int commands) {
    const Hold hold(S->Lock);
    S->Faults.GoSilentAfter(commands);
}

void TalonEmulator::CutNextReply(int keepBytes) {
    const Hold hold(S->Lock);
    S->Faults.CutNextReply(keepBytes);
}

void TalonEmulator::NulInNextReply(int position) {
    const Hold hold(S->Lock);
    S->Faults.NulInNextReply(position);
}

void TalonEmulator::GarbageNextReply(const std::string& bytes) {
    const Hold hold(S->Lock);
    S->Faults.GarbageNextReply(bytes);
}

void TalonEmulator::NoiseBeforeNextReply(const std::string& bytes) {
    const Hold hold(S->Lock);
    S->Faults.NoiseBeforeNextReply(bytes);
}

void TalonEmulator::NoDigitsInNextReply() {
    const Hold hold(S->Lock);
    S->Faults.NoDigitsInNextReply();
}

void TalonEmulator::KeepBackslashesInReplies() {
    const Hold hold(S->Lock);
    S->Faults.KeepBackslashesInReplies();
}

void TalonEmulator::RefuseNextCommand(int code) {
    const Hold hold(S->Lock);
    S->Faults.RefuseNextCommand(code);
}

void TalonEmulator::RefuseWrites(int location, int code) {
    const Hold hold(S->Lock);
    S->Faults.RefuseWrites(location, code);
}

void TalonEmulator::GarbageForWrites(int location, const std::string& bytes) {
    const Hold hold(S->Lock);
    S->Faults.GarbageForWrites(location, bytes);
}

void TalonEmulator::AlterWrites(int location, const TalonPLUItem& stored) {
    const Hold hold(S->Lock);
    S->Faults.AlterWrites(location, FromPLUItem(stored));
}

void TalonEmulator::SetNextIDFault(NextIDFault fault) {
    const Hold hold(S->Lock);
    S->Faults.SetNextIDFault(fault);
}

void TalonEmulator::Resume() {
    const Hold hold(S->Lock);
    S->Faults.Clear();
}

std::vector<std::string> TalonEmulator::ReceivedFrames() const {
    const Hold hold(S->Lock);
    return S->Frames;
}

std::vector<std::string> TalonEmulator::ReceivedCommands() const {
    const Hold hold(S->Lock);
    return S->Commands;
}

void TalonEmulator::ClearReceived() {
    const Hold hold(S->Lock);
    S->Frames.clear();
    S->Commands.clear();
}

std::uint64_t TalonEmulator::LineBytes() const {
    return S->LineBytes.load();
}
