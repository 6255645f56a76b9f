#include "tills/till_list.h"

#include <algorithm>
#include <filesystem>

#include "files/replace_file.h"
#include "files/whole_file.h"
#include "image/user_data_folder.h"
#include "text/code_page.h"
#include "text/file_path.h"
#include "text/log_sink.h"
#include "tills/till_line.h"

namespace {

const char* const TillsFile = "/talonsendplu/tills.txt";
const char* const ByteOrderMark = "\xEF\xBB\xBF"; // as Notepad may save it
const char* const Heading =
    "# TalonSendPLU: sacuvane kase, jedna kasa u redu, polja odvojena TAB-om:\n"
    "# ime, port, brzina, ukljucena (da/ne), lozinka (prazno: 7351), fiskalni modul\n";
const char* const LinePrefix = "Kase: ";

// A path (UTF-8) in a log line (Windows-1251).
ECRString Shown(const std::string& path) {
    return Utf8ToCp1251(path).c_str();
}

ECRString BadLine(int number, const std::string& reason) {
    return ECRString(LinePrefix) + "red " + ECRString(number) + " nije ispravan: " + reason.c_str();
}

std::vector<std::string> Lines(std::string content) {
    if (content.rfind(ByteOrderMark, 0) == 0) {
        content.erase(0, std::string(ByteOrderMark).size());
    }
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < content.size()) {
        std::size_t end = content.find('\n', start);
        end = end == std::string::npos ? content.size() : end;
        std::string line = content.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(std::move(line));
        start = end + 1;
    }
    return lines;
}

} // namespace

std::string TillList::DefaultPath() {
    return UserDataFolder() + TillsFile;
}

TillList::TillList(std::string path) : FilePath(std::move(path)) {}

void TillList::Load(LogSink& log) {
    Saved.clear();
    DamagedLines = 0;
    Unreadable = false;
    std::string content;
    const WholeFileRead read = ReadWholeFile(FilePath, content);
    std::error_code failed;
    if (read == WholeFileRead::NotOpened &&
        !std::filesystem::exists(FileSystemPath(FilePath), failed) && !failed) {
        return; // nothing saved yet
    }
    if (read != WholeFileRead::Read) {
        Unreadable = true;
        log.Line(ECRString(LinePrefix) + "fajl " + Shown(FilePath) + " nije moguce procitati");
        return;
    }
    const std::vector<std::string> lines = Lines(content);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (IsTillComment(lines[i])) {
            continue;
        }
        Till till;
        std::string reason;
        if (ReadTillLine(lines[i], till, reason) && Find(till.Name) != nullptr) {
            reason = "ime se ponavlja";
        }
        if (!reason.empty()) {
            log.Line(BadLine(static_cast<int>(i + 1), reason));
            ++DamagedLines;
            continue;
        }
        Saved.push_back(std::move(till));
    }
}

std::vector<Till>::const_iterator TillList::Named(const std::string& name) const {
    return std::find_if(Saved.begin(), Saved.end(),
                        [&name](const Till& till) { return till.Name == name; });
}

const Till* TillList::Find(const std::string& name) const {
    const auto found = Named(name);
    return found != Saved.end() ? &*found : nullptr;
}

void TillList::Put(const Till& till) {
    const auto found = Named(till.Name);
    if (found != Saved.end()) {
        Saved[found - Saved.begin()] = till;
    } else {
        Saved.push_back(till);
    }
}

bool TillList::Remove(const std::string& name) {
    const auto found = Named(name);
    if (found == Saved.end()) {
        return false;
    }
    Saved.erase(found);
    return true;
}

bool TillList::RememberFiscalModule(const std::string& name, const std::string& fiscalModule) {
    const auto found = Named(name);
    if (found == Saved.end() || fiscalModule.empty() || found->FiscalModule == fiscalModule) {
        return false;
    }
    Saved[found - Saved.begin()].FiscalModule = fiscalModule;
    return true;
}

std::string TillList::NameOfFiscalModule(const std::string& fiscalModule) const {
    const auto found = std::find_if(Saved.begin(), Saved.end(), [&fiscalModule](const Till& till) {
        return !fiscalModule.empty() && till.FiscalModule == fiscalModule;
    });
    return found != Saved.end() ? found->Name : std::string();
}

bool TillList::Save(LogSink& log) const {
    if (Damaged()) {
        log.Line(ECRString(LinePrefix) + "fajl " + Shown(FilePath) +
                 " nije snimljen: prvo ispravite neispravne redove");
        return false;
    }
    std::string content = Heading;
    for (const Till& till : Saved) {
        content += TillLineText(till) + "\n";
    }
    std::error_code failed;
    std::filesystem::create_directories(FileSystemPath(FilePath).parent_path(), failed);
    if (!ReplaceFileContent(FilePath, content, FileReaders::OwnerOnly)) {
        log.Line(ECRString(LinePrefix) + "fajl " + Shown(FilePath) + " nije moguce snimiti");
        return false;
    }
    return true;
}
