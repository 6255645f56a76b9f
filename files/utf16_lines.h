#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "files/file_encoding.h"
#include "text/utf8_decoder.h"

// Reads a text file as lines of UTF-16 code units the way the article file wants them,
// whatever its encoding: each piece ends after its line end (LF, CR LF or a lone CR) or
// after a given number of code units, whichever comes first; the line end stays in the
// piece. A UTF-16 byte left over at the very end (an odd file size) is no code unit and
// is ignored; a UTF-8 sequence cut off there becomes U+FFFD.
class Utf16LineReader {
public:
    // Reads from where the file stands (just after any byte-order mark).
    Utf16LineReader(std::FILE* file, std::size_t maxUnits,
                    FileEncoding encoding = FileEncoding::Utf16LE);

    // The next piece into `piece`; false at the end of the file or on a read error.
    bool Next(std::u16string& piece);
    // The line of the file, counting from 1, that the last piece came from (the pieces of
    // one long line share its number).
    int Line() const { return LineNumber; }
    // True when reading stopped because the file could not be read.
    bool Failed() const { return Error; }

private:
    bool Fill();
    void Decode(std::size_t bytes);
    // After a CR: takes the LF that makes it a CR LF pair, if one follows.
    void TakeLineFeedAfterReturn(std::u16string& piece);

    std::FILE* File;
    FileEncoding Encoding;
    std::size_t MaxUnits;
    std::vector<char> Block;
    std::u16string Units; // decoded, not yet handed out from Pos on
    std::size_t Pos = 0;
    int HeldByte = -1; // the first byte of a UTF-16 unit whose second is in the next block
    Utf8Decoder Utf8;
    int LineNumber = 0;
    bool LineEnded = true; // the last piece ended its line
    bool Error = false;
    bool Ended = false;
};

// The little-endian bytes of `units` followed by CR LF.
void AppendUtf16Line(std::string& out, const std::u16string& units);
