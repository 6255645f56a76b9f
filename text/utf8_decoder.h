#pragma once

#include <string>

// UTF-8 read a byte at a time into UTF-16 code units, for text that arrives in blocks.
// A malformed or incomplete sequence becomes U+FFFD and marks the text as not valid.
class Utf8Decoder {
public:
    // Takes one byte; each character it completes is appended to `out`.
    void Feed(unsigned char byte, std::u16string& out);
    // Ends the text: a sequence still waiting for bytes becomes U+FFFD.
    void Finish(std::u16string& out);
    // False once anything malformed was met.
    bool Valid() const { return Clean; }

private:
    void Complete(std::u16string& out);
    void Malformed(std::u16string& out);

    char32_t Code = 0;
    char32_t Smallest = 0; // shorter forms of the code point are overlong
    int Needed = 0;        // continuation bytes still to come
    bool Clean = true;
};
