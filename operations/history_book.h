#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "operations/history_entry.h"
#include "operations/history_filter.h"

// A till's record that could not be taken in.
struct RecordFault {
    enum Kind { Missing, Unreadable };
    std::string Till;
    std::string Path;
    Kind What = Missing;
};

struct HistoryRefresh {
    bool FolderUnreadable = false;   // the records folder is there but cannot be listed
    std::vector<RecordFault> Faults; // each record missing or unreadable
    bool Changed = false;            // lines came, went or changed since the last refresh
};

// The records of changes of a folder's tills, read for listing and documents. Records only
// grow, so a refresh reads again only those whose file changed on disk.
class HistoryBook {
public:
    // Every record of the folder, as it holds them at each refresh.
    explicit HistoryBook(std::string folder);
    // The record of one till only: missing, it is a fault.
    HistoryBook(std::string folder, std::string till);

    HistoryRefresh Refresh();

    const std::string& Folder() const { return RecordsFolder; }
    // The tills that have a record, by image name, in name order.
    std::vector<std::string> Tills() const;
    // One till's lines in the record's order; empty for a till without one.
    const std::vector<HistoryEntry>& Record(const std::string& till) const;
    // Every line of every till, oldest first.
    const std::vector<const HistoryEntry*>& Lines() const { return Merged; }
    // The lines the filter keeps, oldest first.
    std::vector<const HistoryEntry*> Select(const HistoryFilter& filter) const;

private:
    struct FileStamp {
        std::uintmax_t Size = 0;
        std::filesystem::file_time_type Written;
        bool operator==(const FileStamp& other) const {
            return Size == other.Size && Written == other.Written;
        }
    };
    struct TillRecord {
        FileStamp Stamp;
        std::vector<HistoryEntry> Entries;
    };

    std::vector<std::string> TillsToRead(HistoryRefresh& refresh) const;
    // False, with the fault told, when the record is not there or cannot be read.
    bool ReadTill(const std::string& till, HistoryRefresh& refresh);
    void MergeLines();

    std::string RecordsFolder;
    std::optional<std::string> OnlyTill;
    std::map<std::string, TillRecord> Records;
    std::vector<const HistoryEntry*> Merged;
};
