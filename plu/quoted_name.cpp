#include "plu/quoted_name.h"

namespace {

constexpr char Quote = '"';
const ECRString QuoteText = "\"";
const ECRString DoubledQuote = "\"\"";
constexpr std::int32_t NotFound = -1;

bool IsQuote(const ECRString& text, std::uint32_t at) {
    return at < text.GetLength() && text.At(at) == static_cast<unsigned char>(Quote);
}

// Where the quoted text that opens the field closes; NotFound when the field does not
// open with a quote or the quote is never closed.
std::int32_t ClosingQuote(const ECRString& text) {
    if (!IsQuote(text, 0)) {
        return NotFound;
    }
    for (std::uint32_t i = 1; i < text.GetLength(); ++i) {
        if (!IsQuote(text, i)) {
            continue;
        }
        if (!IsQuote(text, i + 1)) {
            return static_cast<std::int32_t>(i);
        }
        ++i; // a doubled quote stands for one inside the text
    }
    return NotFound;
}

} // namespace

ECRString QuotedName(const ECRString& name) {
    return QuoteText + name.ReplaceAll(QuoteText, DoubledQuote) + QuoteText;
}

ECRString NameFromField(const ECRString& field) {
    const std::int32_t close = ClosingQuote(field);
    if (close < 0 || static_cast<std::uint32_t>(close) + 1 != field.GetLength()) {
        return field.ReplaceAll(QuoteText, ECRString());
    }
    return field.Sub(1, static_cast<std::uint32_t>(close)).ReplaceAll(DoubledQuote, QuoteText);
}

ECRString CutNameField(ECRString& line, char separator) {
    const std::int32_t close = ClosingQuote(line);
    if (close < 0) {
        return line.CutField(separator, Quote);
    }
    const std::int32_t cut = line.Find(separator, static_cast<std::uint32_t>(close) + 1);
    if (cut < 0) {
        // The last field: it runs to the end of the line, and no quote is removed.
        ECRString field = line;
        line = ECRString();
        return field;
    }
    const auto end = static_cast<std::uint32_t>(cut);
    const ECRString field = line.Sub(0, end);
    line = line.Tail(end + 1);
    return NameFromField(field);
}
