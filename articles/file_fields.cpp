#include "articles/file_fields.h"

#include "plu/quoted_name.h"

namespace {

constexpr char Quote = '"';
constexpr char Semicolon = ';';
constexpr char Comma = ',';

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// Where a field that starts at 0 ends: the first separator after its closing quote when
// it starts (after blanks) with a quote that is closed, else the first separator.
std::int32_t FieldEnd(const ECRString& rest, char separator) {
    std::uint32_t i = 0;
    while (i < rest.GetLength() && IsBlank(rest.Text()[i]) && rest.Text()[i] != separator) {
        ++i;
    }
    if (i < rest.GetLength() && rest.Text()[i] == Quote) {
        for (++i; i < rest.GetLength(); ++i) {
            if (rest.Text()[i] != Quote) {
                continue;
            }
            if (i + 1 < rest.GetLength() && rest.Text()[i + 1] == Quote) {
                ++i; // a doubled quote stands for one inside the field
                continue;
            }
            return rest.Find(separator, i + 1);
        }
    }
    return rest.Find(separator);
}

ECRString CutQuoted(ECRString& rest, char separator) {
    const std::int32_t end = FieldEnd(rest, separator);
    if (end < 0) {
        ECRString field = rest;
        rest = ECRString();
        return field;
    }
    const auto at = static_cast<std::uint32_t>(end);
    ECRString field = rest.Sub(0, at);
    rest = rest.Tail(at + 1);
    return field;
}

} // namespace

char SeparatorFor(const ECRString& heading) {
    if (heading.Find(TabSeparator) >= 0) {
        return TabSeparator;
    }
    for (const char c : {Semicolon, Comma}) {
        if (heading.Find(c) >= 0) {
            return c;
        }
    }
    return TabSeparator;
}

LineFields SplitFields(const ECRString& line, char separator) {
    LineFields fields;
    ECRString rest(line);
    if (separator == TabSeparator) {
        fields.Name = CutNameField(rest, separator);
        fields.Texts[0] = fields.Name;
        for (std::size_t k = 1; k < fields.Texts.size(); ++k) {
            fields.Texts[k] = rest.CutField(separator);
        }
        return fields;
    }
    for (ECRString& text : fields.Texts) {
        text = CutQuoted(rest, separator);
    }
    fields.Name = NameFromField(fields.Texts[0]);
    return fields;
}
