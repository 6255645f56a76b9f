#pragma once

#include <cstdint>

// The system's own 8-bit text: zero-terminated, owning its buffer, copied deeply.
// Buffers grow to exactly the size needed; a zero byte ends a text.
class ECRString {
public:
    ECRString();
    ECRString(const char* text); // NOLINT: built implicitly from literals everywhere
    explicit ECRString(std::int32_t value);
    explicit ECRString(bool flag);
    ECRString(const ECRString& other);
    ~ECRString();

    ECRString& operator=(const ECRString& other);
    ECRString& operator+=(const ECRString& other);
    ECRString& Append(const ECRString& other) { return *this += other; }

    const char* Text() const { return Data; }
    std::uint32_t GetLength() const { return Length; }
    std::uint32_t GetCapacity() const { return Capacity; }
    // The byte at position i as an unsigned value (i < GetLength()).
    unsigned char At(std::uint32_t i) const { return static_cast<unsigned char>(Data[i]); }

    bool operator==(const ECRString& other) const;
    bool operator!=(const ECRString& other) const { return !(*this == other); }
    bool operator!=(const char* text) const;

    std::int32_t Find(char c, std::uint32_t start = 0) const;
    std::int32_t FindText(const ECRString& what, std::uint32_t start = 0) const;
    ECRString Sub(std::uint32_t a, std::uint32_t b) const;
    ECRString Tail(std::uint32_t a) const;
    ECRString ReplaceAll(const ECRString& what, const ECRString& with) const;
    // Takes the leading field (up to the separator) off this text; a non-zero quote
    // character lets a quoted part hold separators. See ecr_string.cpp.
    ECRString CutField(char separator, char quote = 0);

private:
    // The first count characters of text, with a buffer of exactly that size.
    ECRString(const char* text, std::uint32_t count);
    // Frees the buffer and takes one of exactly size characters (plus the zero).
    void Reserve(std::uint32_t size);

    char* Data;
    std::uint32_t Capacity;
    std::uint32_t Length;
};

ECRString operator+(const ECRString& left, const ECRString& right);
