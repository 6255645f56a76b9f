#include "image/image_keeper.h"

#include <filesystem>

#include "ecr/talon_ecr.h"
#include "image/image_check.h"
#include "text/code_page.h"
#include "text/file_path.h"
#include "text/log_sink.h"
#include "text/utf8_text.h"

namespace {

const char* const NoImage = "nema slike";
const char* const CutShort = "prekinut rad";
// Two emulators started alike share the default id, which a newcomer does not expect.
const char* const SharedIdHint =
    "Kase sa istim IBFM dele jednu sliku (emulatoru dajte drugi --ibfm)";

// The folder's path is UTF-8 (as Windows paths are kept, and as other systems name files
// nowadays); the log's lines are in the register's code page.
ECRString NotSavedLine(const std::string& folder) {
    const std::string shown = Utf16ToCp1251(Utf8ToUtf16(folder));
    return ECRString("Greska: sliku kase ") + shown.c_str() + " nije moguce snimiti";
}

ECRString HistoryNotSavedLine(const std::string& path, int lines) {
    const std::string shown = Utf16ToCp1251(Utf8ToUtf16(path));
    return ECRString("Greska: u istoriju izmena ") + shown.c_str() +
           " nije moguce upisati (izostalo redova: " + ECRString(lines) + ")";
}

ECRString UntrustedLine(const std::string& reason) {
    return ECRString("Slika kase nije pouzdana (") + reason.c_str() +
           "): potrebno je Prikazi ili Posalji";
}

ECRString BusyLine(const std::string& name) {
    return ECRString("Slika kase ") + name.c_str() +
           " je zauzeta: sa ovom kasom vec radi drugi program";
}

void TakeReply(RegisterImage& image, const JournalReply& reply) {
    switch (reply.What) {
    case JournalReply::Written:
        image.Articles[reply.Location] = reply.Item;
        break;
    case JournalReply::Erased:
        image.Articles.erase(reply.Location);
        break;
    case JournalReply::Refused:
        break;
    }
}

} // namespace

ImageKeeper::ImageKeeper(std::string folder) : Folder(std::move(folder)) {}

void ImageKeeper::Identify(const TalonStatusItem& status) {
    const std::string name = ImageName(status);
    if (Store && name == Name) {
        return;
    }
    Release();
    Name = name;
    Store = std::make_unique<ImageStore>(Folder, name);
}

void ImageKeeper::IdentifyFrom(TalonECR& ecr) {
    if (!Store) {
        ecr.RequestStatus();
        Identify(ecr.GetStatusItem());
    }
}

bool ImageKeeper::Hold(LogSink& log) {
    if (Lock.Held()) {
        return true;
    }
    std::error_code failed;
    std::filesystem::create_directories(FileSystemPath(Folder), failed);
    switch (Store ? Lock.Take(Store->LockPath()) : ImageLock::Outcome::Failed) {
    case ImageLock::Outcome::Held:
        return true;
    case ImageLock::Outcome::Busy:
        log.Line(BusyLine(Name));
        log.Line(SharedIdHint);
        return false;
    case ImageLock::Outcome::Failed:
        break;
    }
    log.Line(NotSavedLine(Folder));
    return false;
}

void ImageKeeper::Release() {
    Lock.Drop();
    // What this program knew of the image may change as soon as another can write it.
    if (!Writing()) {
        State = Condition::Unknown;
    }
}

ImageKeeper::Verdict ImageKeeper::Check(TalonECR& ecr, LogSink& log) {
    LastDoubt.clear();
    std::string reason = Load();
    if (reason.empty()) {
        if (InFlight) {
            ReadBackInto(ecr, *InFlight, Current);
            InFlight.reset();
        }
        reason = CompareWithRegister(ecr, Current, ecr.GetStatusItem().GetArticles());
    }
    if (!reason.empty()) {
        Distrust(reason, log);
        log.Line(UntrustedLine(reason));
        return Verdict::Untrusted;
    }
    return Settle(log) ? Verdict::Trusted : Verdict::NotSaved;
}

std::string ImageKeeper::Load() {
    State = Condition::Unknown;
    InFlight.reset();
    Current = RegisterImage();
    const JournalReading journal =
        Store && Store->InProgress() ? ReadJournal(Store->MarkPath()) : JournalReading();
    // A full send begun on an untrusted image makes the image afresh from its own
    // replies, so it needs no image file to build on.
    const bool afresh = journal.Usable && !journal.BaseTrusted;
    if (!Store || (!afresh && (!Store->Exists() || !Store->Load(Current)))) {
        Current = RegisterImage();
        return NoImage;
    }
    const std::string kept = Store->KeptReason();
    if (!kept.empty()) {
        return kept;
    }
    if (!Store->InProgress()) {
        State = Condition::Loaded;
        return {};
    }
    return TakeJournal(journal, afresh) ? std::string() : CutShort;
}

bool ImageKeeper::TakeJournal(const JournalReading& journal, bool afresh) {
    if (!journal.Usable) {
        return false;
    }
    if (afresh) {
        Current = RegisterImage();
    }
    for (const JournalReply& reply : journal.Replies) {
        TakeReply(Current, reply);
    }
    InFlight = journal.InFlight;
    State = Condition::Recovered;
    return true;
}

bool ImageKeeper::Settle(LogSink& log) {
    if (State == Condition::Recovered && (!Store->Save(Current) || !Store->MarkClean())) {
        log.Line(NotSavedLine(Folder));
        return false;
    }
    State = Condition::Trusted;
    return true;
}

void ImageKeeper::Distrust(const std::string& reason, LogSink& log) {
    State = Condition::Unknown;
    LastDoubt = reason;
    // A journal can stand for the image (a full send's from an untrusted one): the failed
    // check is kept for it too.
    const bool image = Store && (Store->Exists() || Store->InProgress());
    if (image && Store->KeptReason() != reason && !Store->KeepReason(reason)) {
        log.Line(NotSavedLine(Folder));
    }
}

void ImageKeeper::Listed(const TalonStatusItem& status, const ArticleTable& table, LogSink& log) {
    Identify(status);
    const ImageHold hold(*this, log);
    if (!hold.Held()) {
        return;
    }
    State = Condition::Unknown;
    Current = RegisterImage();
    for (const TalonPLUItem& item : table) {
        if (IsPresent(item)) {
            Current.Articles[item.GetThisID()] = item;
        }
    }
    if (!Store->Save(Current) || !Store->ForgetReason() || !Store->MarkClean()) {
        log.Line(NotSavedLine(Folder));
    }
}

bool ImageKeeper::BeginWriting(TalonECR& ecr, JournalKind kind,
                               const std::vector<PlannedStep>& plan, LogSink& log,
                               HistoryOperation operation) {
    IdentifyFrom(ecr);
    // An image just checked need not be read again.
    const bool trusted =
        State == Condition::Trusted || (Store->Exists() && !Store->InProgress() &&
                                        Store->KeptReason().empty() && Store->Load(Current));
    if (!trusted) {
        Current = RegisterImage();
    }
    State = Condition::Unknown;
    Base = {kind, trusted};
    if (!Journal.Start(Store->MarkPath(), trusted, kind, plan)) {
        log.Line(NotSavedLine(Folder));
        return false;
    }
    // The journal now marks the image in progress and a sync takes a full send's up afresh:
    // a reason kept from before would only keep it from doing so.
    if (!trusted && kind == JournalKind::FullSend && !Store->ForgetReason()) {
        log.Line(NotSavedLine(Folder));
    }
    WritingLog = &log;
    State = Condition::Writing;
    Changes.Begin(HistoryPath(Folder, Name), operation, trusted);
    return true;
}

void ImageKeeper::Record(const JournalReply& reply) {
    if (State == Condition::Writing && !Journal.Add(reply)) {
        State = Condition::Unjournaled;
        if (WritingLog != nullptr) {
            WritingLog->Line(NotSavedLine(Folder));
        }
    }
}

void ImageKeeper::Written(int location, const TalonPLUItem& item) {
    if (Writing()) {
        Changes.Record(location, Current, &item);
        Current.Articles[location] = item;
        Record({JournalReply::Written, location, item});
    }
}

void ImageKeeper::Erased(int location) {
    if (Writing()) {
        Changes.Record(location, Current, nullptr);
        Current.Articles.erase(location);
        Record({JournalReply::Erased, location, TalonPLUItem()});
    }
}

void ImageKeeper::Refused(int location) {
    if (Writing()) {
        Record({JournalReply::Refused, location, TalonPLUItem()});
    }
}

void ImageKeeper::EndWriting(Ending ending, LogSink& log) {
    if (!Writing()) {
        return;
    }
    // A failed add was told when it happened; a last sync that failed is told here.
    const bool toldUnjournaled = State == Condition::Unjournaled;
    State = Condition::Unknown;
    WritingLog = nullptr;
    if (!Journal.Close() && !toldUnjournaled) {
        log.Line(NotSavedLine(Folder));
    }
    if (Changes.Failures() > 0) {
        log.Line(HistoryNotSavedLine(Changes.Path(), Changes.Failures()));
    }
    const bool rebuilt = Base.Kind == JournalKind::FullSend && ending == Ending::Completed;
    const bool clean = ending != Ending::Broken && (Base.Trusted || rebuilt);
    // Without a clean end the journal stays: the next check takes the register's state
    // from it, or refuses the image when it was not trusted to begin with.
    if (!Store->Save(Current)) {
        log.Line(NotSavedLine(Folder));
        return;
    }
    if (clean && ((rebuilt && !Store->ForgetReason()) || !Store->MarkClean())) {
        log.Line(NotSavedLine(Folder));
        return;
    }
    State = clean ? Condition::Trusted : Condition::Unknown;
}

ImageHold::ImageHold(ImageKeeper& keeper, LogSink& log) : Keeper(keeper), Took(!keeper.Holding()) {
    Ok = Keeper.Hold(log);
}

ImageHold::~ImageHold() {
    if (Took && Ok) {
        Keeper.Release();
    }
}

ImageWriting::ImageWriting(ImageKeeper& keeper, TalonECR& ecr, JournalKind kind,
                           const std::vector<PlannedStep>& plan, LogSink& log,
                           HistoryOperation operation)
    : Keeper(keeper), Log(log) {
    Keeper.IdentifyFrom(ecr);
    Hold = std::make_unique<ImageHold>(Keeper, Log);
    Began = Hold->Held() && Keeper.BeginWriting(ecr, kind, plan, Log, operation);
}

ImageWriting::~ImageWriting() {
    if (Began) {
        Keeper.EndWriting(End, Log);
    }
    Hold.reset();
}
