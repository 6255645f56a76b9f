#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "articles/article_table.h"
#include "image/change_record.h"
#include "image/image_journal.h"
#include "image/image_lock.h"
#include "image/register_image.h"

class LogSink;
class TalonECR;
class TalonStatusItem;

// Keeps the image of one connected register up to date: a complete listing replaces it;
// a write or erase the register accepted changes it. While an operation writes, the
// image's journal on disk holds its plan and every reply, so that one cut short can be
// taken up by the next check. One program or thread writes an image at a time. Every accepted
// write or erase that changes what a location holds goes to its record of changes.
class ImageKeeper {
public:
    enum class Ending {
        Completed, // every planned step was taken
        Stopped,   // asked to stop between two exchanges: every reply is known
        Broken,    // the link failed: the last exchange's outcome is unknown
    };
    enum class Verdict {
        Trusted,   // the image passed every check and is saved as the clean image
        Untrusted, // it failed one: the reason is kept with it and logged
        NotSaved,  // it passed, but could not be saved as the clean image (logged)
    };

    explicit ImageKeeper(std::string folder = DefaultImageFolder());

    // The register, by the status it just gave.
    void Identify(const TalonStatusItem& status);
    bool Identified() const { return Store != nullptr; }

    // The image for this program alone until Release. False, with the reason logged,
    // when another program or thread holds it or its folder cannot be written.
    bool Hold(LogSink& log);
    void Release();
    bool Holding() const { return Lock.Held(); }

    // Checks the image (held by this program) against the register whose status was just
    // asked: no failed check kept, the journal of an operation cut short taken in (a full
    // send's begun on an untrusted image: its replies alone, as if completed) and the
    // location it was waiting for read back, the same article count as the status, a
    // random sample of articles read back alike. A failed check is kept: every later one
    // fails with the same reason until a complete listing or a full send (one cut short
    // leaves its journal to be checked instead).
    Verdict Check(TalonECR& ecr, LogSink& log);
    // The image failed a check of the caller's; kept as Check keeps its own.
    void Distrust(const std::string& reason, LogSink& log);
    // Why the image was last found untrusted by Check or Distrust; empty when the last
    // check passed or none was made.
    const std::string& Doubt() const { return LastDoubt; }
    const RegisterImage& Image() const { return Current; }

    // A complete listing: the table's articles are what the register holds.
    void Listed(const TalonStatusItem& status, const ArticleTable& table, LogSink& log);

    // Around an operation that writes (held by this program); asks the register's status
    // when it is not yet known. `operation` names it in the record of changes. False, with the
    // reason logged, when the journal cannot be written: the operation must then write nothing.
    bool BeginWriting(TalonECR& ecr, JournalKind kind, const std::vector<PlannedStep>& plan,
                      LogSink& log, HistoryOperation operation = HistoryOperation::Send);
    void Written(int location, const TalonPLUItem& item);
    void Erased(int location);
    void Refused(int location);
    // A reply could not be added to the journal: the operation must stop.
    bool JournalFailed() const { return State == Condition::Unjournaled; }
    // Saves the image; marks it clean when what the register holds is known: the image
    // was trusted when the operation began (or a full send rebuilt it) and no exchange
    // was left unanswered.
    void EndWriting(Ending ending, LogSink& log);

    // Asks the register's status when the register is not yet known.
    void IdentifyFrom(TalonECR& ecr);

private:
    enum class Condition {
        Unknown,     // not read, failed a check, or free for another program to change
        Loaded,      // Current is the clean image file as read, not yet checked
        Recovered,   // Current has a cut operation's journal taken in, not yet checked or saved
        Trusted,     // Current is the clean image on disk and what the register holds
        Writing,     // an operation writes: each reply goes to the journal (see Base)
        Unjournaled, // writing, but a reply could not be journaled: the operation must stop
    };
    // What an operation that writes began on, beside Writing and Unjournaled.
    struct WritingBase {
        JournalKind Kind = JournalKind::Patch;
        bool Trusted = false; // the image was trusted when it began
    };

    bool Writing() const { return State == Condition::Writing || State == Condition::Unjournaled; }
    // The image as it is on disk, with the journal of an operation cut short taken in;
    // why it cannot be trusted ("" when it can, as far as the disk tells).
    std::string Load();
    // Takes the replies of a usable journal into Current (emptied first when afresh).
    bool TakeJournal(const JournalReading& journal, bool afresh);
    // The loaded image passed the register's checks: it is saved as the clean image.
    bool Settle(LogSink& log);
    void Record(const JournalReply& reply);

    std::string Folder;
    std::string Name;
    std::unique_ptr<ImageStore> Store;
    ImageLock Lock;
    JournalWriter Journal;
    ChangeRecord Changes;
    RegisterImage Current;
    Condition State = Condition::Unknown;
    std::optional<int> InFlight; // beside Recovered: the location the cut operation awaited
    WritingBase Base;
    LogSink* WritingLog = nullptr;
    std::string LastDoubt;
};

// Holds an image for one operation: takes the hold when it is not yet taken and releases
// only what it took.
class ImageHold {
public:
    ImageHold(ImageKeeper& keeper, LogSink& log);
    ~ImageHold();
    ImageHold(const ImageHold&) = delete;
    ImageHold& operator=(const ImageHold&) = delete;
    bool Held() const { return Ok; }

private:
    ImageKeeper& Keeper;
    bool Took = false;
    bool Ok = false;
};

// BeginWriting and EndWriting as a scope, within a hold of the image. Leaving it by an
// exception saves what was accepted and leaves the journal for the next sync.
class ImageWriting {
public:
    ImageWriting(ImageKeeper& keeper, TalonECR& ecr, JournalKind kind,
                 const std::vector<PlannedStep>& plan, LogSink& log,
                 HistoryOperation operation = HistoryOperation::Send);
    ~ImageWriting();
    ImageWriting(const ImageWriting&) = delete;
    ImageWriting& operator=(const ImageWriting&) = delete;
    // False: the image is held elsewhere or its journal cannot be written; write nothing.
    bool Ready() const { return Began; }
    void Ended(bool stopped) {
        End = stopped ? ImageKeeper::Ending::Stopped : ImageKeeper::Ending::Completed;
    }

private:
    ImageKeeper& Keeper;
    LogSink& Log;
    std::unique_ptr<ImageHold> Hold;
    bool Began = false;
    ImageKeeper::Ending End = ImageKeeper::Ending::Broken;
};
