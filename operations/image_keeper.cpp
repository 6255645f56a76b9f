#include "operations/image_keeper.h"

#include "ecr/talon_ecr.h"
#include "operations/operation_sinks.h"
#include "text/code_page.h"
#include "text/utf8_text.h"

namespace {

const char* const NoImage = "nema slike";
const char* const CutShort = "prekinut rad";
const char* const WrongCount = "broj artikala";

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

} // namespace

ImageKeeper::ImageKeeper(std::string folder) : Folder(std::move(folder)) {}

void ImageKeeper::Identify(const TalonStatusItem& status) {
    Name = ImageName(status);
    Store = std::make_unique<ImageStore>(Folder, Name);
    Trusted = false;
}

std::string ImageKeeper::Check(int registerArticles) {
    Trusted = false;
    if (!Store || !Store->Exists() || !Store->Load(Current)) {
        Current = RegisterImage();
        return NoImage;
    }
    if (Store->InProgress()) {
        return CutShort;
    }
    Trusted = true;
    return static_cast<int>(Current.Articles.size()) == registerArticles ? "" : WrongCount;
}

void ImageKeeper::Listed(const TalonStatusItem& status, const ArticleTable& table, LogSink& log) {
    Identify(status);
    Trusted = false;
    Current = RegisterImage();
    for (const TalonPLUItem& item : table) {
        if (IsPresent(item)) {
            Current.Articles[item.GetThisID()] = item;
        }
    }
    Save(true, log);
}

void ImageKeeper::BeginWriting(TalonECR& ecr, Writing kind, HistoryOperation operation) {
    if (!Store) {
        ecr.RequestStatus();
        Identify(ecr.GetStatusItem());
    }
    // An image just checked need not be read again.
    const bool trusted = (Trusted && !Store->InProgress()) ||
                         (Store->Exists() && !Store->InProgress() && Store->Load(Current));
    if (!trusted) {
        Current = RegisterImage();
    }
    Trusted = false;
    CleanAtEnd = trusted || kind == Writing::FullSend;
    Writing_ = true;
    History.Begin(HistoryPath(Folder, Name), operation, trusted);
    Store->MarkInProgress();
}

void ImageKeeper::Written(int location, const TalonPLUItem& item) {
    if (Writing_) {
        History.Record(location, Current, &item);
        Current.Articles[location] = item;
    }
}

void ImageKeeper::Erased(int location) {
    if (Writing_) {
        History.Record(location, Current, nullptr);
        Current.Articles.erase(location);
    }
}

void ImageKeeper::EndWriting(bool normally, LogSink& log) {
    if (Writing_) {
        Writing_ = false;
        if (History.Failures() > 0) {
            log.Line(HistoryNotSavedLine(History.Path(), History.Failures()));
        }
        Save(normally && CleanAtEnd, log);
    }
}

void ImageKeeper::Save(bool clean, LogSink& log) {
    if (!Store->Save(Current)) {
        log.Line(NotSavedLine(Folder));
        return;
    }
    if (clean && !Store->MarkClean()) {
        log.Line(NotSavedLine(Folder));
    }
}

ImageWriting::ImageWriting(ImageKeeper* keeper, TalonECR& ecr, ImageKeeper::Writing kind,
                           LogSink& log, HistoryOperation operation)
    : Keeper(keeper), Log(log) {
    if (Keeper != nullptr) {
        Keeper->BeginWriting(ecr, kind, operation);
    }
}

ImageWriting::~ImageWriting() {
    if (Keeper != nullptr) {
        Keeper->EndWriting(Normally, Log);
    }
}
