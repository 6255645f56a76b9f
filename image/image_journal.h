#pragma once

#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "files/flush_to_disk.h"
#include "plu/talon_plu_item.h"

// The "in progress" mark of an image is a journal: what the operation set out to do,
// then one line a reply, each written to the file as the reply arrives and on the disk
// before the next is added. An operation cut short by a kill, a power cut or a broken link
// leaves it behind, and the next sync takes the register's state from it instead of from
// a full send.

enum class JournalStep { Write, Erase };

// What an operation that writes sets out to do.
enum class JournalKind {
    Patch,    // change some locations: an image untrusted before stays untrusted
    FullSend, // write a whole article list: an untrusted image starts afresh from its writes
};

// A planned step; Item is the article a write sets out to program.
struct PlannedStep {
    JournalStep Step = JournalStep::Write;
    int Location = 0;
    TalonPLUItem Item;
};

// A reply the register gave: an accepted write (with its article) or erase, or a refusal.
struct JournalReply {
    enum Kind { Written, Erased, Refused } What = Written;
    int Location = 0;
    TalonPLUItem Item;
};

struct JournalReading {
    // A whole heading and plan, of an image trusted when it began or of a full send.
    bool Usable = false;
    bool BaseTrusted = false;
    JournalKind Kind = JournalKind::Patch; // a heading without one is a patch's
    std::vector<JournalReply> Replies;
    std::optional<int> InFlight; // the planned step after the last reply, if any
};

// Reads a journal. A line not ended by its line feed (cut by a kill) and everything from
// the first line that does not read as a reply to the plan are left out; a journal that
// cannot be read to its end is not usable.
JournalReading ReadJournal(const std::string& path);

class JournalWriter {
public:
    JournalWriter() = default;
    ~JournalWriter();
    JournalWriter(const JournalWriter&) = delete;
    JournalWriter& operator=(const JournalWriter&) = delete;

    // Writes the heading and the plan as a whole new file, then opens it to append to.
    bool Start(const std::string& path, bool baseTrusted, JournalKind kind,
               const std::vector<PlannedStep>& plan);
    // Appends one reply: in the file when this returns (a kill cannot lose it), and on the
    // disk before the next reply is added (its sync overlaps the next exchange). False when
    // it could not be written, or the reply before it did not reach the disk.
    bool Add(const JournalReply& reply);
    // Waits for the last reply to reach the disk; false when it, or the file's close, failed.
    bool Close();

private:
    std::FILE* File = nullptr;
    std::unique_ptr<FlushBehind> Flusher;
};
