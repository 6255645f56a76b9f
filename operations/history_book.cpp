#include "operations/history_book.h"

#include <algorithm>

#include "files/whole_file.h"
#include "image/change_record.h"
#include "operations/history_report.h"
#include "text/file_path.h"

namespace {

constexpr char LineEnd = '\n';

// The lines after the heading; a last line end closes the last line.
std::vector<HistoryEntry> Entries(const std::string& till, const std::string& text) {
    std::vector<HistoryEntry> entries;
    std::size_t start = text.find(LineEnd);
    std::size_t line = 0;
    while (start != std::string::npos && start + 1 < text.size()) {
        ++start;
        const std::size_t end = text.find(LineEnd, start);
        entries.push_back(ReadHistoryEntry(
            till, ++line, text.substr(start, end == std::string::npos ? end : end - start)));
        start = end;
    }
    return entries;
}

const std::vector<HistoryEntry> NoEntries;

} // namespace

HistoryBook::HistoryBook(std::string folder) : RecordsFolder(std::move(folder)) {}

HistoryBook::HistoryBook(std::string folder, std::string till)
    : RecordsFolder(std::move(folder)), OnlyTill(std::move(till)) {}

std::vector<std::string> HistoryBook::Tills() const {
    std::vector<std::string> tills;
    for (const auto& record : Records) {
        tills.push_back(record.first);
    }
    return tills;
}

const std::vector<HistoryEntry>& HistoryBook::Record(const std::string& till) const {
    const auto found = Records.find(till);
    return found == Records.end() ? NoEntries : found->second.Entries;
}

HistoryRefresh HistoryBook::Refresh() {
    HistoryRefresh refresh;
    const std::vector<std::string> tills = TillsToRead(refresh);
    if (refresh.FolderUnreadable) {
        return refresh; // what was read stays: the folder may be back at the next look
    }
    for (auto record = Records.begin(); record != Records.end();) {
        const bool gone = std::find(tills.begin(), tills.end(), record->first) == tills.end();
        refresh.Changed = refresh.Changed || gone;
        record = gone ? Records.erase(record) : std::next(record);
    }
    for (const std::string& till : tills) {
        if (!ReadTill(till, refresh) && Records.erase(till) > 0) {
            refresh.Changed = true;
        }
    }
    if (refresh.Changed) {
        MergeLines();
    }
    return refresh;
}

std::vector<std::string> HistoryBook::TillsToRead(HistoryRefresh& refresh) const {
    if (OnlyTill) {
        return {*OnlyTill};
    }
    std::error_code failed;
    std::vector<std::string> tills = RegistersWithHistory(RecordsFolder, failed);
    refresh.FolderUnreadable = static_cast<bool>(failed);
    return tills;
}

bool HistoryBook::ReadTill(const std::string& till, HistoryRefresh& refresh) {
    const std::string path = HistoryPath(RecordsFolder, till);
    const std::filesystem::path file = FileSystemPath(path);
    std::error_code failed;
    const bool found = std::filesystem::exists(file, failed);
    FileStamp stamp;
    if (!failed && found) {
        stamp.Size = std::filesystem::file_size(file, failed);
    }
    if (!failed && found) {
        stamp.Written = std::filesystem::last_write_time(file, failed);
    }
    if (failed || !found) { // a folder that cannot be searched may well hold it
        refresh.Faults.push_back(
            {till, path, failed ? RecordFault::Unreadable : RecordFault::Missing});
        return false;
    }
    const auto known = Records.find(till);
    if (known != Records.end() && known->second.Stamp == stamp) {
        return true;
    }
    std::string text;
    if (ReadWholeFile(path, text) != WholeFileRead::Read) {
        refresh.Faults.push_back({till, path, RecordFault::Unreadable});
        return false;
    }
    Records[till] = TillRecord{stamp, Entries(till, text)};
    refresh.Changed = true;
    return true;
}

void HistoryBook::MergeLines() {
    Merged.clear();
    for (const auto& record : Records) {
        for (const HistoryEntry& entry : record.second.Entries) {
            Merged.push_back(&entry);
        }
    }
    // Tills in name order, each in its record's order: the sort keeps that among equal times.
    std::stable_sort(Merged.begin(), Merged.end(),
                     [](const HistoryEntry* a, const HistoryEntry* b) {
                         return a->Fields[TimeField] < b->Fields[TimeField];
                     });
}

std::vector<const HistoryEntry*> HistoryBook::Select(const HistoryFilter& filter) const {
    const std::string text = FoldedText(filter);
    std::vector<const HistoryEntry*> kept;
    for (const HistoryEntry* entry : Merged) {
        if (Matches(filter, text, *entry)) {
            kept.push_back(entry);
        }
    }
    return kept;
}
