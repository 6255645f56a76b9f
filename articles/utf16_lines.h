#pragma once

#include <cstdio>
#include <string>
#include <vector>

// Reads a UTF-16LE file as lines the way the article file wants them: each piece ends
// after its LF or after a given number of code units, whichever comes first; CR and LF
// stay in the piece. A byte left over at the very end (an odd file size) is no code unit
// and is ignored.
class Utf16LineReader {
public:
    Utf16LineReader(std::FILE* file, std::size_t maxUnits);

    // The next piece into `piece`; false at the end of the file or on a read error.
    bool Next(std::u16string& piece);
    // True when reading stopped because the file could not be read.
    bool Failed() const { return Error; }

private:
    bool Fill();

    std::FILE* File;
    std::size_t MaxUnits;
    std::vector<char> Buffer;
    std::size_t Pos = 0;
    std::size_t Size = 0;
    bool Error = false;
    bool Ended = false;
};

// The little-endian bytes of `units` followed by CR LF.
void AppendUtf16Line(std::string& out, const std::u16string& units);
