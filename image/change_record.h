#pragma once

#include <set>
#include <string>

#include "image/history_line.h"
#include "image/register_image.h"

// The record of changes of one register: NAME.history.tsv beside its image, UTF-8, the
// heading line first, then one HistoryLine a change. It is only ever appended to: opened
// for appending, each line written whole and flushed; nothing rewrites or shortens it.

extern const char HistorySuffix[]; // ".history.tsv"
std::string HistoryPath(const std::string& folder, const std::string& name);

// Appends the line and a line end, after the heading when the file is new or empty (and
// after a line end when the last line was left unfinished). False when it could not.
bool AppendHistoryLine(const std::string& path, const std::string& line);

// Records the changes of one operation that writes. The image tells what each location
// held; when the image was not trusted, a location's earlier content is unknown until the
// operation itself writes or erases it.
class ChangeRecord {
public:
    void Begin(std::string path, HistoryOperation operation, bool imageTrusted);
    // One accepted write (`now` present) or erase, against the image as it stood before it.
    void Record(int location, const RegisterImage& before, const TalonPLUItem* now);
    // Lines that could not be appended since Begin.
    int Failures() const { return Failed; }
    const std::string& Path() const { return File; }

private:
    std::string File;
    HistoryOperation Operation = HistoryOperation::Send;
    bool ImageTrusted = false;
    std::set<int> Touched; // locations this operation wrote or erased
    int Failed = 0;
};
