#pragma once

#include <map>
#include <optional>
#include <string>

#include "emulator/article_text.h"
#include "emulator/talon_emulator.h"

// The faults the emulator is asked to play. Spoiling faults apply to the next framed
// reply only; an enquiry's ACK is never spoiled, only silenced.
class FaultPlan {
public:
    void GoSilentAfter(int answers) { AnswersLeft = answers; }
    void CutNextReply(int keepBytes) { CutAt = keepBytes; }
    void NulInNextReply(int position) { NulAt = position; }
    void GarbageNextReply(const std::string& bytes) { Garbage = bytes; }
    void NoiseBeforeNextReply(const std::string& bytes) { Noise = bytes; }
    void NoDigitsInNextReply() { NoDigits = true; }
    void KeepBackslashesInReplies() { KeepBackslashes = true; }
    void RefuseNextCommand(int code) { Refusal = code; }
    void RefuseWrites(int location, int code) { WriteRefusals[location] = code; }
    void GarbageForWrites(int location, const std::string& bytes) {
        WriteGarbage[location] = bytes;
    }
    void AlterWrites(int location, const StoredArticle& stored) { Alterations[location] = stored; }
    void SetNextIDFault(NextIDFault fault) { NextID = fault; }
    void Clear() { *this = FaultPlan(); }

    // Counts one answer; false once the register has gone silent.
    bool MayAnswer();
    // The code for the next framed command, taken once.
    std::optional<int> TakeRefusal();
    std::optional<int> WriteRefusal(int location) const;
    std::optional<std::string> WriteGarbageFor(int location) const;
    // What an accepted write of this location leaves in the register instead.
    std::optional<StoredArticle> WriteAlteration(int location) const;
    NextIDFault GetNextIDFault() const { return NextID; }
    // The body of the next framed reply, the one-reply body faults taken.
    std::string SpoilBody(std::string body);
    bool KeepsBackslashes() const { return KeepBackslashes; }
    // The next framed reply as it goes out, the one-reply faults taken.
    std::string Spoil(std::string reply);

private:
    static constexpr int Never = -1;
    int AnswersLeft = Never;
    std::optional<int> CutAt;
    std::optional<int> NulAt;
    std::optional<std::string> Garbage;
    std::optional<std::string> Noise;
    bool NoDigits = false;
    bool KeepBackslashes = false;
    std::optional<int> Refusal;
    std::map<int, int> WriteRefusals;
    std::map<int, std::string> WriteGarbage;
    std::map<int, StoredArticle> Alterations;
    NextIDFault NextID = NextIDFault::None;
};

// The NextID the last article of the chain reports under each fault; 0 without one.
int LastNextID(NextIDFault fault, int firstLocation);
