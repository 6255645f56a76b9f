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

} // namespace

ImageKeeper::ImageKeeper(std::string folder) : Folder(std::move(folder)) {}

void ImageKeeper::Identify(const TalonStatusItem& status) {
    const std::string name = ImageName(status);
    Store = std::make_unique<ImageStore>(Folder, name);
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

void ImageKeeper::BeginWriting(TalonECR& ecr, Writing kind) {
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
    Store->MarkInProgress();
}

void ImageKeeper::Written(int location, const TalonPLUItem& item) {
    if (Writing_) {
        Current.Articles[location] = item;
    }
}

void ImageKeeper::Erased(int location) {
    if (Writing_) {
        Current.Articles.erase(location);
    }
}

void ImageKeeper::EndWriting(bool normally, LogSink& log) {
    if (Writing_) {
        Writing_ = false;
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
                           LogSink& log)
    : Keeper(keeper), Log(log) {
    if (Keeper != nullptr) {
        Keeper->BeginWriting(ecr, kind);
    }
}

ImageWriting::~ImageWriting() {
    if (Keeper != nullptr) {
        Keeper->EndWriting(Normally, Log);
    }
}
