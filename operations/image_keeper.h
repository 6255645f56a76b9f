#pragma once

#include <memory>
#include <string>

#include "articles/article_table.h"
#include "operations/price_history.h"
#include "operations/register_image.h"

class LogSink;
class TalonECR;
class TalonStatusItem;

// Keeps the image of one connected register up to date: a complete listing replaces it;
// a write or erase the register accepted changes it. While an operation writes, the
// image is marked "in progress" on disk, so that one cut short is never trusted. Every
// accepted write or erase that changes what a location holds goes to its record of
// changes (PriceHistory).
class ImageKeeper {
public:
    enum class Writing {
        Patch,    // changes some locations: an image untrusted before stays untrusted
        FullSend, // writes a whole article list: an untrusted image starts afresh from it
    };

    explicit ImageKeeper(std::string folder = DefaultImageFolder());

    // The register, by the status it just gave.
    void Identify(const TalonStatusItem& status);
    bool Identified() const { return Store != nullptr; }

    // The image as it is on disk, and why it cannot be trusted ("" when it can).
    std::string Check(int registerArticles);
    const RegisterImage& Image() const { return Current; }

    // A complete listing: the table's articles are what the register holds.
    void Listed(const TalonStatusItem& status, const ArticleTable& table, LogSink& log);

    // Around an operation that writes; asks the register's status when it is not yet known.
    // `operation` names it in the record of changes.
    void BeginWriting(TalonECR& ecr, Writing kind,
                      HistoryOperation operation = HistoryOperation::Send);
    void Written(int location, const TalonPLUItem& item);
    void Erased(int location);
    // Saves the image; marks it clean only when the operation ended normally and the
    // image was trusted when it began (or was rebuilt by it). Logs lines the record of
    // changes could not take.
    void EndWriting(bool normally, LogSink& log);

private:
    void Save(bool clean, LogSink& log);

    std::string Folder;
    std::string Name;
    std::unique_ptr<ImageStore> Store;
    PriceHistory History;
    RegisterImage Current;
    bool Trusted = false; // Current is the clean image as it stands on disk
    bool Writing_ = false;
    bool CleanAtEnd = false;
};

// BeginWriting and EndWriting as a scope: leaving it by an exception saves what was
// accepted and leaves the image marked in progress.
class ImageWriting {
public:
    ImageWriting(ImageKeeper* keeper, TalonECR& ecr, ImageKeeper::Writing kind, LogSink& log,
                 HistoryOperation operation = HistoryOperation::Send);
    ~ImageWriting();
    ImageWriting(const ImageWriting&) = delete;
    ImageWriting& operator=(const ImageWriting&) = delete;
    void EndedNormally() { Normally = true; }

private:
    ImageKeeper* Keeper;
    LogSink& Log;
    bool Normally = false;
};
