#include "text/ecr_string.h"

#include <cstring>

namespace {

constexpr std::int32_t NotFound = -1;
// Longest decimal form of a signed 32-bit value: sign, ten digits, terminator.
constexpr int DecimalBufferSize = 12;

char* NewBuffer(std::uint32_t capacity) {
    char* buffer = new char[static_cast<std::size_t>(capacity) + 1];
    buffer[0] = 0;
    return buffer;
}

} // namespace

ECRString::ECRString() : Data(NewBuffer(0)), Capacity(0), Length(0) {}

ECRString::ECRString(const char* text, std::uint32_t count)
    : Data(NewBuffer(count)), Capacity(count), Length(count) {
    if (count > 0)
        std::memcpy(Data, text, count);
    Data[count] = 0;
}

ECRString::ECRString(const char* text)
    : ECRString(text ? text : "",
                text ? static_cast<std::uint32_t>(std::strlen(text)) : std::uint32_t{0}) {}

ECRString::ECRString(std::int32_t value) : ECRString() {
    // Built backwards from the last digit; the magnitude is taken in 64 bits so that
    // the most negative value has a positive counterpart.
    char digits[DecimalBufferSize];
    int pos = DecimalBufferSize - 1;
    digits[pos] = 0;
    std::int64_t magnitude = value < 0 ? -static_cast<std::int64_t>(value) : value;
    do {
        digits[--pos] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude > 0);
    if (value < 0)
        digits[--pos] = '-';
    *this = ECRString(digits + pos);
}

ECRString::ECRString(bool flag) : ECRString(flag ? "1" : "0") {}

ECRString::ECRString(const ECRString& other) : ECRString(other.Data, other.Length) {}

ECRString::~ECRString() {
    delete[] Data;
}

void ECRString::Reserve(std::uint32_t size) {
    delete[] Data;
    Data = NewBuffer(size);
    Capacity = size;
    Length = 0;
}

ECRString& ECRString::operator=(const ECRString& other) {
    if (this == &other)
        return *this;
    // Only a source longer than the current text (not its capacity) reallocates.
    if (other.Length > Length)
        Reserve(other.Length);
    std::memcpy(Data, other.Data, other.Length);
    Length = other.Length;
    Data[Length] = 0;
    return *this;
}

ECRString& ECRString::operator+=(const ECRString& other) {
    const std::uint32_t added = other.Length;
    const std::uint32_t total = Length + added;
    const char* source = other.Data;
    if (total > Capacity) {
        char* grown = NewBuffer(total);
        std::memcpy(grown, Data, Length);
        // Appending to itself: the old characters now live in the new buffer.
        if (&other == this)
            source = grown;
        delete[] Data;
        Data = grown;
        Capacity = total;
    }
    std::memcpy(Data + Length, source, added);
    Length = total;
    Data[Length] = 0;
    return *this;
}

ECRString operator+(const ECRString& left, const ECRString& right) {
    ECRString joined(left);
    joined += right;
    return joined;
}

bool ECRString::operator==(const ECRString& other) const {
    return Length == other.Length && std::memcmp(Data, other.Data, Length) == 0;
}

bool ECRString::operator!=(const char* text) const {
    return std::strcmp(Data, text ? text : "") != 0;
}

std::int32_t ECRString::Find(char c, std::uint32_t start) const {
    if (start >= Length)
        return NotFound;
    const void* hit = std::memchr(Data + start, static_cast<unsigned char>(c), Length - start);
    return hit ? static_cast<std::int32_t>(static_cast<const char*>(hit) - Data) : NotFound;
}

std::int32_t ECRString::FindText(const ECRString& what, std::uint32_t start) const {
    if (start >= Length)
        return NotFound;
    const char* hit = std::strstr(Data + start, what.Data);
    return hit ? static_cast<std::int32_t>(hit - Data) : NotFound;
}

ECRString ECRString::Sub(std::uint32_t a, std::uint32_t b) const {
    std::uint32_t from = a < b ? a : b;
    std::uint32_t to = a < b ? b : a;
    if (to > Length)
        to = Length;
    if (from >= Length)
        return ECRString();
    return ECRString(Data + from, to - from);
}

ECRString ECRString::Tail(std::uint32_t a) const {
    return Sub(a, Length);
}

ECRString ECRString::ReplaceAll(const ECRString& what, const ECRString& with) const {
    if (what.Length == 0)
        return *this;
    ECRString rest(*this);
    ECRString result;
    for (;;) {
        std::int32_t at = rest.FindText(what);
        if (at == NotFound)
            break;
        const auto pos = static_cast<std::uint32_t>(at);
        result += rest.Sub(0, pos);
        result += with;
        rest = rest.Tail(pos + what.Length);
    }
    result += rest;
    return result;
}

ECRString ECRString::CutField(char separator, char quote) {
    std::int32_t open = NotFound;
    std::int32_t close = NotFound;
    if (quote != 0) {
        open = Find(quote);
        if (open != NotFound)
            close = Find(quote, static_cast<std::uint32_t>(open) + 1);
    }
    std::int32_t cut = Find(separator);
    // A separator inside a closed pair of quotes does not end the field.
    if (cut > open && close != NotFound)
        cut = Find(separator, static_cast<std::uint32_t>(close));
    if (cut == NotFound) {
        ECRString field(*this);
        Length = 0;
        Data[0] = 0;
        return field;
    }
    const auto end = static_cast<std::uint32_t>(cut);
    ECRString field = Sub(0, end);
    std::memmove(Data, Data + end + 1, Length - end); // the rest and its terminating zero
    Length -= end + 1;
    if (quote != 0) {
        const char quoteText[2] = {quote, 0};
        field = field.ReplaceAll(ECRString(quoteText), ECRString());
    }
    return field;
}
