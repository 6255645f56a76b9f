#include "image/change_record.h"

#include <cstdio>
#include <ctime>
#include <filesystem>

#include "files/file_handle.h"
#include "image/local_time.h"
#include "text/file_path.h"

namespace {

constexpr char LineEnd = '\n';

struct FileEnd {
    long Size = 0;
    bool LineEnded = true; // empty, or its last byte is a line end
};

// False on a read error. Leaves the file positioned at its end, as a write after a read
// needs.
bool ReadFileEnd(std::FILE* file, FileEnd& end) {
    if (std::fseek(file, 0, SEEK_END) != 0) {
        return false;
    }
    end.Size = std::ftell(file);
    if (end.Size < 0) {
        return false;
    }
    if (end.Size > 0) {
        if (std::fseek(file, -1, SEEK_END) != 0) {
            return false;
        }
        end.LineEnded = std::fgetc(file) == LineEnd;
    }
    return std::fseek(file, 0, SEEK_END) == 0;
}

} // namespace

const char HistorySuffix[] = ".history.tsv";

std::string HistoryPath(const std::string& folder, const std::string& name) {
    return folder + "/" + name + HistorySuffix;
}

bool AppendHistoryLine(const std::string& path, const std::string& line) {
    std::error_code failed;
    std::filesystem::create_directories(FileSystemPath(path).parent_path(), failed);
    FileHandle file(OpenFile(path, "a+b"));
    FileEnd end;
    if (!file || !ReadFileEnd(file.get(), end)) {
        return false;
    }
    std::string text = end.LineEnded ? "" : std::string(1, LineEnd);
    if (end.Size == 0) {
        text += std::string(HistoryHeading) + LineEnd;
    }
    text += line + LineEnd;
    const bool written = std::fwrite(text.data(), 1, text.size(), file.get()) == text.size() &&
                         std::fflush(file.get()) == 0;
    return std::fclose(file.release()) == 0 && written;
}

void ChangeRecord::Begin(std::string path, HistoryOperation operation, bool imageTrusted) {
    File = std::move(path);
    Operation = operation;
    ImageTrusted = imageTrusted;
    Touched.clear();
    Failed = 0;
}

void ChangeRecord::Record(int location, const RegisterImage& before, const TalonPLUItem* now) {
    HistoryChange change;
    change.Operation = Operation;
    change.Location = location;
    change.OldKnown = ImageTrusted || Touched.count(location) > 0;
    const auto held = before.Articles.find(location);
    if (held != before.Articles.end()) {
        change.Old = held->second;
    }
    if (now != nullptr) {
        change.New = *now;
    }
    Touched.insert(location);
    change.Time = LocalTimeText(std::time(nullptr));
    const std::string line = HistoryLine(change);
    if (!line.empty() && !AppendHistoryLine(File, line)) {
        ++Failed;
    }
}
