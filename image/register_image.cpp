#include "image/register_image.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "articles/article_file.h"
#include "ecr/talon_status_item.h"
#include "files/file_handle.h"
#include "files/replace_file.h"
#include "files/utf16_lines.h"
#include "files/whole_file.h"
#include "image/user_data_folder.h"
#include "text/code_page.h"
#include "text/file_path.h"

namespace {

constexpr char Tab = '\t';
const char* const ImageSuffix = ".txt";
const char* const MarkSuffix = ".in-progress";
const char* const ReasonSuffix = ".untrusted";
const char* const LockSuffix = ".lock";
constexpr std::size_t MaxReasonLength = 200;
const char* const AppFolder = "talonsendplu";
const char* const ImagesFolder = "registers";

std::string Kept(const std::string& text) {
    std::string out;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        out += std::isalnum(byte) != 0 || c == '-' || c == '_' ? c : '_';
    }
    return out;
}

std::u16string WithoutLineEnd(std::u16string line) {
    while (!line.empty() && (line.back() == u'\n' || line.back() == u'\r')) {
        line.pop_back();
    }
    return line;
}

// One image line: the article's fields, then its location; false for anything else.
bool ReadImageLine(const std::u16string& line, int& location, TalonPLUItem& item) {
    const std::size_t tab = line.rfind(u'\t');
    if (tab == std::u16string::npos) {
        return false;
    }
    const std::string number = Utf16ToCp1251(line.substr(tab + 1));
    if (number.empty() || number.size() > 4 ||
        number.find_first_not_of("0123456789") != std::string::npos) {
        return false;
    }
    location = std::stoi(number);
    item.FromFileText(ECRString(Utf16ToCp1251(line.substr(0, tab)).c_str()), Tab);
    return true;
}

std::u16string Units(const std::string& latin) {
    return std::u16string(latin.begin(), latin.end());
}

} // namespace

ECRString ProgrammedText(const TalonPLUItem& item) {
    TalonPLUItem programmed; // counters 0: only the programmed fields differ
    programmed.SetDescription(item.GetDescription());
    programmed.SetCode(item.GetCode());
    programmed.SetPrice(item.GetPrice());
    programmed.SetTaxRate(item.GetTaxRate());
    programmed.SetDepartment(item.GetDepartment());
    programmed.SetContainer(item.GetContainer());
    programmed.SetPriceFixed(item.GetPriceFixed());
    programmed.SetMaxPrice(item.GetMaxPrice());
    programmed.SetMinPrice(item.GetMinPrice());
    programmed.SetMeasurement(item.GetMeasurement());
    return programmed.ToECRText();
}

bool SameProgramming(const TalonPLUItem& a, const TalonPLUItem& b) {
    return ProgrammedText(a) == ProgrammedText(b);
}

std::string ImageName(const TalonStatusItem& status) {
    const std::string module = status.GetFiscalModuleId().Text();
    if (!module.empty()) {
        return Kept(module);
    }
    return Kept(std::string(status.GetTaxId().Text()) + "-" + std::to_string(status.GetModel()));
}

std::string ImageNameOf(const std::string& text) {
    return Kept(text);
}

std::string DefaultImageFolder() {
    return UserDataFolder() + "/" + AppFolder + "/" + ImagesFolder;
}

ImageStore::ImageStore(std::string folder, std::string name)
    : Folder(std::move(folder)), Name(std::move(name)) {}

std::string ImageStore::ImagePath() const {
    return Folder + "/" + Name + ImageSuffix;
}

std::string ImageStore::MarkPath() const {
    return Folder + "/" + Name + MarkSuffix;
}

std::string ImageStore::ReasonPath() const {
    return Folder + "/" + Name + ReasonSuffix;
}

std::string ImageStore::LockPath() const {
    return Folder + "/" + Name + LockSuffix;
}

bool ImageStore::Exists() const {
    std::error_code ignored;
    return std::filesystem::exists(FileSystemPath(ImagePath()), ignored);
}

bool ImageStore::InProgress() const {
    std::error_code ignored;
    return std::filesystem::exists(FileSystemPath(MarkPath()), ignored);
}

bool ImageStore::Load(RegisterImage& image) const {
    image.Articles.clear();
    const FileHandle file(OpenFile(ImagePath(), "rb"));
    if (!file) {
        return false;
    }
    Utf16LineReader reader(file.get(), MaxLineUnits);
    std::u16string piece;
    bool heading = true;
    while (reader.Next(piece)) {
        int location = 0;
        TalonPLUItem item;
        if (!heading && ReadImageLine(WithoutLineEnd(piece), location, item)) {
            image.Articles[location] = item;
        }
        heading = false;
    }
    return !reader.Failed();
}

bool ImageStore::Save(const RegisterImage& image) const {
    std::error_code failed;
    std::filesystem::create_directories(FileSystemPath(Folder), failed);
    std::string content;
    AppendUtf16Line(content, std::u16string(SavedFileHeading) + u"\tLokacija");
    for (const auto& [location, item] : image.Articles) {
        AppendUtf16Line(content, Cp1251ToUtf16(item.ToFileText(Tab).Text()) + u"\t" +
                                     Units(std::to_string(location)));
    }
    return ReplaceFileContent(ImagePath(), content);
}

bool ImageStore::MarkClean() const {
    std::error_code failed;
    return std::filesystem::remove(FileSystemPath(MarkPath()), failed) || !failed;
}

std::string ImageStore::KeptReason() const {
    std::string reason;
    if (ReadWholeFile(ReasonPath(), reason) == WholeFileRead::NotOpened) {
        return {};
    }
    reason.resize(std::min(reason.size(), MaxReasonLength));
    while (!reason.empty() && (reason.back() == '\n' || reason.back() == '\r')) {
        reason.pop_back();
    }
    // A reason file left empty (a full disk) or unreadable still says the image failed.
    return reason.empty() ? std::string("?") : reason;
}

bool ImageStore::KeepReason(const std::string& reason) const {
    std::error_code failed;
    std::filesystem::create_directories(FileSystemPath(Folder), failed);
    return ReplaceFileContent(ReasonPath(), reason + "\n");
}

bool ImageStore::ForgetReason() const {
    std::error_code failed;
    return std::filesystem::remove(FileSystemPath(ReasonPath()), failed) || !failed;
}
