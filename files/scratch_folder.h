#pragma once

#include <string>

// A fresh folder of the user's own, in the system's temporary folder, for the files of a
// library that opens files by name through the C library's narrow calls (libxlsxwriter):
// on Windows those take the ANSI code page, not the UTF-8 the program keeps paths in, so
// the folder's name is given in that code page (or as its short form when the code page
// cannot spell it). The folder and all it holds go when the object does.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // Empty when no such folder could be made.
    const std::string& Path() const { return Narrow; }
    // A file in the folder, named in ASCII.
    std::string File(const char* name) const;
    // The same file named as the program keeps paths (text/file_path.h), for its own calls.
    std::string ProgramFile(const char* name) const;

private:
    std::string Narrow;
    std::string Program; // the folder as the program keeps paths
};
