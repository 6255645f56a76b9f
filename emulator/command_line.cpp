#include "emulator/command_line.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <functional>

#include "text/code_page.h"
#include "text/digits.h"
#include "text/utf8_text.h"

const char EmulatorUsage[] =
    "Usage: talon-emulator [options]\n"
    "Plays a Talon cash register on a pseudo-terminal (Linux) or a TCP port (--listen,\n"
    "the only way on Windows). The first line printed is the device path or address to\n"
    "open; runs until interrupted (Ctrl+C).\n"
    "  --password P     the manager password (default 7351)\n"
    "  --version TEXT   the version text of the status reply; \"\xD0\x9A\xD0\x9E\xD0\xA0"
    "\xD0\x92\xD0\x90\xD0\x9B \xD0\xA2\xD0\x90\xD0\x9B\xD0\x9E\xD0\x9D \xD0\xA1\xD0\xA0\"\n"
    "                   gives 1400 locations, any other text 2400\n"
    "  --limit N        article locations 1 to N-1 can be programmed\n"
    "  --baud N         pace the line: every byte takes 10 bit times at N bit/s\n"
    "  --delay MS       processing time before each reply\n"
    "  --demo           start with a few demo articles at locations 1 to 8\n"
    "  --articles FILE  start with the articles of this article text file\n"
    "  --ibfm TEXT      the fiscal module id of the status reply (default TE000001);\n"
    "                   the program names a register's image after it\n"
    "  --link PATH      also make PATH a symbolic link to the device\n"
    "  --listen tcp://HOST:PORT\n"
    "                   serve the register on this TCP port instead (raw, as a network\n"
    "                   converter would; port 0: any free port); the first line printed\n"
    "                   is then the address to connect to\n"
    "  --help           show this text\n";

namespace {
using Setter = std::function<bool(EmulatorCommandLine&, const std::string&)>;

struct OptionEntry {
    const char* Name;
    bool TakesValue;
    Setter Set;
};

bool ReadCount(const std::string& text, int& out) {
    if (!AllDigits(text)) {
        return false;
    }
    errno = 0;
    const long value = std::strtol(text.c_str(), nullptr, 10);
    if (errno == ERANGE || value > INT_MAX) {
        return false;
    }
    out = static_cast<int>(value);
    return true;
}

const OptionEntry Entries[] = {
    {"--password", true,
     [](EmulatorCommandLine& c, const std::string& v) {
         c.Options.Password = Utf16ToCp1251(Utf8ToUtf16(v));
         return true;
     }},
    {"--version", true,
     [](EmulatorCommandLine& c, const std::string& v) {
         c.Options.Version = Utf16ToCp1251(Utf8ToUtf16(v));
         return true;
     }},
    {"--limit", true,
     [](EmulatorCommandLine& c, const std::string& v) {
         return ReadCount(v, c.Options.ArticleLimit);
     }},
    {"--baud", true,
     [](EmulatorCommandLine& c, const std::string& v) { return ReadCount(v, c.Options.BaudRate); }},
    {"--delay", true,
     [](EmulatorCommandLine& c, const std::string& v) {
         return ReadCount(v, c.Options.CommandDelayMs);
     }},
    {"--demo", false,
     [](EmulatorCommandLine& c, const std::string&) { return c.Options.DemoArticles = true; }},
    {"--articles", true,
     [](EmulatorCommandLine& c, const std::string& v) {
         c.Options.ArticleFile = v;
         return !v.empty();
     }},
    {"--ibfm", true,
     [](EmulatorCommandLine& c, const std::string& v) {
         c.Options.FiscalModule = Utf16ToCp1251(Utf8ToUtf16(v));
         return !v.empty();
     }},
    {"--link", true,
     [](EmulatorCommandLine& c, const std::string& v) {
         c.LinkPath = v;
         return !v.empty();
     }},
    {"--listen", true,
     [](EmulatorCommandLine& c, const std::string& v) {
         c.Listen = ParseNetworkAddress(v, true);
         return c.Listen && c.Listen->Scheme == NetworkScheme::RawTcp;
     }},
    {"--help", false, [](EmulatorCommandLine& c, const std::string&) { return c.ShowHelp = true; }},
};

const OptionEntry* Find(const std::string& name) {
    for (const OptionEntry& e : Entries) {
        if (name == e.Name) {
            return &e;
        }
    }
    return name == "-h" ? Find("--help") : nullptr;
}
} // namespace

EmulatorCommandLine ParseCommandLine(const std::vector<std::string>& args) {
    EmulatorCommandLine line;
    // Nobody can ask the running tool for its record, which would only grow.
    line.Options.KeepRecord = false;
    for (std::size_t i = 0; i < args.size() && line.Error.empty(); ++i) {
        const std::string::size_type eq = args[i].find('=');
        const std::string name = args[i].substr(0, eq);
        const OptionEntry* entry = Find(name);
        if (entry == nullptr) {
            line.Error = "unknown option " + name;
            break;
        }
        std::string value;
        if (eq != std::string::npos) {
            value = args[i].substr(eq + 1);
        } else if (entry->TakesValue && i + 1 < args.size()) {
            value = args[++i];
        } else if (entry->TakesValue) {
            line.Error = name + " needs a value";
            break;
        }
        if (!entry->TakesValue && eq != std::string::npos) {
            line.Error = name + " takes no value";
        } else if (!entry->Set(line, value)) {
            line.Error = "bad value for " + name + ": " + value;
        }
    }
    if (line.Error.empty() && line.Listen && !line.LinkPath.empty()) {
        line.Error = "--link names a device, and --listen serves none";
    }
    return line;
}
