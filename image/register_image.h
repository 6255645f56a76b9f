#pragma once

#include <map>
#include <string>

#include "plu/talon_plu_item.h"

class TalonStatusItem;

// What the program knows a register holds: its articles by location. Kept on disk, one
// file per register, in the article file format with the location as a last column.
struct RegisterImage {
    std::map<int, TalonPLUItem> Articles;
};

// The fields a write programs, as the register keeps them (name and barcode cut to their
// wire length, the price in hundredths); the counters are left out.
ECRString ProgrammedText(const TalonPLUItem& item);
bool SameProgramming(const TalonPLUItem& a, const TalonPLUItem& b);

// The name of a register's image: its fiscal module id, else its tax id and model; only
// letters, digits, "-" and "_" are kept.
std::string ImageName(const TalonStatusItem& status);
// The same for any register text (Windows-1251), such as a name typed by the user.
std::string ImageNameOf(const std::string& text);

// The folder of the images: $XDG_DATA_HOME/talonsendplu/registers (or the platform's
// own data folder).
std::string DefaultImageFolder();

// An image file, its "in progress" mark (the journal of the operation writing it), the
// reason it failed a check (kept until a complete listing or a full send) and its lock
// file, in one folder.
class ImageStore {
public:
    ImageStore(std::string folder, std::string name);

    bool Exists() const;
    bool InProgress() const;
    // False when the file is missing or cannot be read.
    bool Load(RegisterImage& image) const;
    // Written through a temporary file and a rename.
    bool Save(const RegisterImage& image) const;
    bool MarkClean() const;
    // The reason the image failed a check; "" when none is kept.
    std::string KeptReason() const;
    bool KeepReason(const std::string& reason) const;
    bool ForgetReason() const;

    std::string MarkPath() const;
    std::string LockPath() const;

private:
    std::string ImagePath() const;
    std::string ReasonPath() const;

    std::string Folder;
    std::string Name;
};
