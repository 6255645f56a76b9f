#pragma once

#include <cstdint>

#include "text/ecr_string.h"

constexpr int RegisterMessageCount = 256;
// Texts of the register's codes 0..255 (Windows-1251); "???" where there is none.
extern const ECRString RegisterMessages[RegisterMessageCount];

// The code of the last judged register reply and its text.
class TalonError {
public:
    std::int32_t GetErrorCode() const { return ErrorCode; }
    void SetErrorCode(std::int32_t code) { ErrorCode = code; }
    // The text of the stored code; codes outside 0..255 give "???".
    const ECRString& GetErrorMessage() const;

private:
    std::int32_t ErrorCode = 0;
};

// The text of any code, "???" outside the table.
const ECRString& RegisterMessage(std::int32_t code);
