#include "tills/till_line.h"

#include <vector>

#include "serial/network_address.h"
#include "serial/port_settings.h"
#include "text/utf8_text.h"
#include "tills/till.h"

namespace {

constexpr char FieldSeparator = '\t';
constexpr char Escape = '\\';
constexpr char CommentMark = '#';
const char* const On = "da";
const char* const Off = "ne";
enum Field { NameField, PortField, SpeedField, OnField, PasswordField, ModuleField, FieldCount };
constexpr std::size_t LeastFields = OnField; // name, port and speed

// The escapes of free text, and what each stands for.
struct EscapePair {
    char Plain;
    char Written;
};
const EscapePair Escapes[] = {{'\t', 't'}, {'\n', 'n'}, {'\r', 'r'}, {'\\', '\\'}, {'#', '#'}};

std::string Escaped(const std::string& text, bool leadingMark) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const bool mark = c == CommentMark && i == 0 && leadingMark;
        const EscapePair* pair = nullptr;
        for (const EscapePair& candidate : Escapes) {
            if (candidate.Plain == c && (c != CommentMark || mark)) {
                pair = &candidate;
            }
        }
        if (pair != nullptr) {
            out += Escape;
            out += pair->Written;
        } else {
            out += c;
        }
    }
    return out;
}

bool Unescaped(const std::string& field, std::string& out) {
    out.clear();
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] != Escape) {
            out += field[i];
            continue;
        }
        const char written = ++i < field.size() ? field[i] : '\0';
        bool known = false;
        for (const EscapePair& pair : Escapes) {
            if (pair.Written == written) {
                out += pair.Plain;
                known = true;
            }
        }
        if (!known) {
            return false;
        }
    }
    return true;
}

std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> fields(1);
    for (const char c : line) {
        if (c == FieldSeparator) {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    return fields;
}

// Why the fields do not make a till; empty when they do.
std::string Check(const std::vector<std::string>& f, Till& till) {
    if (f.size() < LeastFields) {
        return "treba bar ime, port i brzina, odvojeni TAB-om";
    }
    if (f.size() > FieldCount) {
        return "vise od 6 polja";
    }
    if (!Unescaped(f[NameField], till.Name)) {
        return "neispravan znak posle \\ u imenu";
    }
    till.Port = f[PortField];
    if (!ReadLineSpeed(f[SpeedField], till.Speed)) {
        return "brzina je 9600 ili 19200";
    }
    const std::string on = f.size() > OnField ? f[OnField] : On;
    if (on != On && on != Off) {
        return "ukljucena je da ili ne";
    }
    till.Enabled = on == On;
    const std::string password = f.size() > PasswordField ? f[PasswordField] : "";
    if (!Unescaped(password, till.Password)) {
        return "neispravan znak posle \\ u lozinki";
    }
    if (till.Password.empty()) {
        till.Password = FactoryPassword;
    }
    till.FiscalModule = f.size() > ModuleField ? f[ModuleField] : "";
    return TillFault(till);
}

} // namespace

std::string TillLineText(const Till& till) {
    const std::string password =
        till.Password == FactoryPassword ? std::string() : Escaped(till.Password, false);
    const std::string tab(1, FieldSeparator);
    return Escaped(till.Name, true) + tab + till.Port + tab + std::to_string(till.Speed) + tab +
           (till.Enabled ? On : Off) + tab + password + tab + till.FiscalModule;
}

std::string EscapedTillField(const std::string& text) {
    return Escaped(text, false);
}

bool ReadTillLine(const std::string& line, Till& till, std::string& reason) {
    if (!IsValidUtf8(line)) {
        reason = "tekst nije UTF-8";
        return false;
    }
    till = Till();
    reason = Check(Fields(line), till);
    return reason.empty();
}

std::string TillFault(const Till& till) {
    if (till.Name.empty()) {
        return "nema imena";
    }
    if (till.Port.empty()) {
        return "nema porta";
    }
    if (till.Port.find_first_of("\t\r\n") != std::string::npos) {
        return "port sadrzi TAB ili prelom reda";
    }
    if (LooksLikeNetworkAddress(till.Port) && !ParseNetworkAddress(till.Port)) {
        return "neispravna mrezna adresa";
    }
    if (till.Speed != SlowSpeed && till.Speed != FastSpeed) {
        return "brzina je 9600 ili 19200";
    }
    return {};
}

bool IsTillComment(const std::string& line) {
    return line.empty() || line[0] == CommentMark;
}
