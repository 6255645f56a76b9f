#include "cli/cli_options.h"

#include <algorithm>
#include <functional>
#include <iterator>
#include <set>

#include "articles/article_table.h"
#include "operations/history_document.h"
#include "operations/history_report.h"
#include "operations/till_target.h"
#include "serial/network_address.h"
#include "serial/port_settings.h"
#include "text/digits.h"

namespace {

const char* const DefaultPort = "1";

using Setter = std::function<std::string(CliOptions&, const std::string&)>; // error or ""

struct OptionEntry {
    const char* Name;
    const char* Alias;
    bool TakesValue;
    Setter Set;
};

const OptionEntry Options[] = {
    {"--port", nullptr, true,
     [](CliOptions& o, const std::string& v) {
         o.Ports.push_back(v);
         if (LooksLikeNetworkAddress(v) && !ParseNetworkAddress(v)) {
             return MalformedAddressText(v);
         }
         return std::string(v.empty() ? "prazan --port" : "");
     }},
    {"--speed", nullptr, true,
     [](CliOptions& o, const std::string& v) {
         return std::string(ReadLineSpeed(v, o.Speed) ? "" : "--speed je 9600 ili 19200");
     }},
    {"--password-file", nullptr, true,
     [](CliOptions& o, const std::string& v) {
         o.PasswordFile = v;
         return std::string(v.empty() ? "prazan --password-file" : "");
     }},
    {"--print", nullptr, true,
     [](CliOptions& o, const std::string& v) {
         o.Print = v == "on";
         return std::string(v == "on" || v == "off" ? "" : "--print je on ili off");
     }},
    {"--output", "-o", true,
     [](CliOptions& o, const std::string& v) {
         o.Output = v;
         return std::string(v.empty() ? "prazan --output" : "");
     }},
    {"--quiet", "-q", false,
     [](CliOptions& o, const std::string&) {
         o.Quiet = true;
         return std::string();
     }},
    {"--json", nullptr, false,
     [](CliOptions& o, const std::string&) {
         o.Json = true;
         return std::string();
     }},
    {"--arrange", nullptr, false,
     [](CliOptions& o, const std::string&) {
         o.Arrange = true;
         return std::string();
     }},
    {"--dry-run", nullptr, false,
     [](CliOptions& o, const std::string&) {
         o.DryRun = true;
         return std::string();
     }},
    {"--prune", nullptr, false,
     [](CliOptions& o, const std::string&) {
         o.Prune = true;
         return std::string();
     }},
    {"--verify", nullptr, false,
     [](CliOptions& o, const std::string&) {
         o.Verify = true;
         return std::string();
     }},
    {"--all", nullptr, false,
     [](CliOptions& o, const std::string&) {
         ++o.AllGiven; // every article, every till or both: see AllMeaning
         return std::string();
     }},
    {"--register", nullptr, true,
     [](CliOptions& o, const std::string& v) {
         o.Registers.push_back(v);
         return std::string(v.empty() ? "prazan --register" : "");
     }},
    {"--since", nullptr, true,
     [](CliOptions& o, const std::string& v) {
         o.Since = v;
         return std::string(IsHistoryDate(v) ? "" : "--since je datum GGGG-MM-DD");
     }},
    {"--until", nullptr, true,
     [](CliOptions& o, const std::string& v) {
         o.Until = v;
         return std::string(IsHistoryDate(v) ? "" : "--until je datum GGGG-MM-DD");
     }},
    {"--help", "-h", false,
     [](CliOptions& o, const std::string&) {
         o.Command = Verb::Help;
         return std::string();
     }},
    {"--version", nullptr, false,
     [](CliOptions& o, const std::string&) {
         o.Command = Verb::Version;
         return std::string();
     }},
};

struct VerbName {
    const char* Name;
    Verb Value;
};
const VerbName Verbs[] = {
    {"status", Verb::Status},   {"list", Verb::List},           {"send", Verb::Send},
    {"sync", Verb::Sync},       {"erase", Verb::Erase},         {"examine", Verb::Examine},
    {"history", Verb::History}, {"registers", Verb::Registers}, {"help", Verb::Help}};

const OptionEntry* FindOption(const std::string& name) {
    for (const OptionEntry& entry : Options) {
        if (name == entry.Name || (entry.Alias != nullptr && name == entry.Alias)) {
            return &entry;
        }
    }
    return nullptr;
}

Verb FindVerb(const std::string& name) {
    for (const VerbName& verb : Verbs) {
        if (name == verb.Name) {
            return verb.Value;
        }
    }
    return Verb::None;
}

// Erase had --all for every article before there were saved tills, so there it keeps that
// meaning: beside location numbers --all is every till, and given twice it is both.
std::string AllMeaning(CliOptions& o, const std::vector<std::string>& rest) {
    const bool numbers = o.Command == Verb::Erase && !rest.empty();
    const int most = o.Command == Verb::Erase && !numbers ? 2 : 1;
    if (o.AllGiven > most) {
        return "--all je naveden previse puta";
    }
    o.EraseAll = o.Command == Verb::Erase && !numbers && o.AllGiven > 0;
    o.AllTills = o.AllGiven > (o.EraseAll ? 1 : 0);
    return {};
}

bool ReadLocation(const std::string& text, int& out) {
    if (text.size() > 4 || !AllDigits(text)) {
        return false;
    }
    out = std::stoi(text);
    return out > 0 && out < ArticleTableSize;
}

bool WorksOnTills(Verb verb) {
    return verb == Verb::Status || verb == Verb::List || verb == Verb::Send || verb == Verb::Sync ||
           verb == Verb::Erase;
}

// "registers", "registers add NAME --port P" or "registers remove NAME".
std::string CheckTillsVerb(CliOptions& o, const std::vector<std::string>& rest) {
    const bool named = rest.size() == 2 && !rest[1].empty();
    if (rest.empty()) {
        o.Action = TillsAction::List;
    } else if (named && rest[0] == "add") {
        o.Action = TillsAction::Add;
    } else if (named && rest[0] == "remove") {
        o.Action = TillsAction::Remove;
    } else {
        return "registers [add IME --port P | remove IME]";
    }
    o.TillName = named ? rest[1] : "";
    if (o.Ports.size() != (o.Action == TillsAction::Add ? 1u : 0u)) {
        return o.Action == TillsAction::Add ? "registers add trazi tacno jedan --port"
                                            : "--port ide uz registers add";
    }
    return {};
}

// Where the tills come from: --port, --register and --all.
std::string CheckTills(const CliOptions& o) {
    if ((!o.Registers.empty() && !WorksOnTills(o.Command) && o.Command != Verb::History) ||
        (o.AllTills && !WorksOnTills(o.Command))) {
        return "--register i --all idu uz status, list, send, sync i erase (--register i uz "
               "history)";
    }
    if ((o.Command == Verb::History || o.Command == Verb::Examine) &&
        (o.Ports.size() > 1 || o.Registers.size() > 1)) {
        return "examine i history rade sa jednom kasom";
    }
    if (o.Command == Verb::History && !o.Registers.empty() && !o.Ports.empty()) {
        return "history uzima --register ili --port, ne oba";
    }
    const std::set<std::string> names(o.Registers.begin(), o.Registers.end());
    if (names.size() != o.Registers.size()) {
        return "ista kasa je navedena dva puta";
    }
    // Every "emulator" is an emulator of its own; any other port can be opened only once.
    std::vector<std::string> opened;
    std::copy_if(o.Ports.begin(), o.Ports.end(), std::back_inserter(opened),
                 [](const std::string& port) { return port != EmulatorPort; });
    const std::set<std::string> distinct(opened.begin(), opened.end());
    if (distinct.size() != opened.size()) {
        return "isti port je naveden dva puta";
    }
    return {};
}

std::string CheckFlags(const CliOptions& o);

// What the verb's positional arguments and options must satisfy.
std::string CheckVerb(const CliOptions& o, const std::vector<std::string>& rest) {
    const bool takesFile =
        o.Command == Verb::Send || o.Command == Verb::Sync || o.Command == Verb::Examine;
    if (takesFile && rest.size() != 1) {
        return "posle komande ide tacno jedan fajl";
    }
    if (!takesFile && o.Command != Verb::Erase && !rest.empty()) {
        return "visak argumenata: " + rest.front();
    }
    if (o.Command == Verb::Erase && o.EraseAll == !rest.empty()) {
        return "erase traze brojeve artikala ili --all";
    }
    return CheckFlags(o);
}

// The options that go with some verbs only.
std::string CheckFlags(const CliOptions& o) {
    if (o.Json && o.Command != Verb::Status) {
        return "--json ide samo uz status";
    }
    if (o.Arrange && o.Command != Verb::Send && o.Command != Verb::Sync) {
        return "--arrange ide samo uz send i sync";
    }
    if ((o.DryRun || o.Prune || o.Verify) && o.Command != Verb::Sync) {
        return "--dry-run, --prune i --verify idu samo uz sync";
    }
    if (!o.Output.empty() && o.Command != Verb::List && o.Command != Verb::History) {
        return "--output ide samo uz list i history";
    }
    if (o.Command == Verb::History && !o.Output.empty() && o.Output != StandardOutput &&
        !IsHistoryDocumentName(o.Output)) {
        return "history -o pise FAJL.xlsx (nivelacija), FAJL.txt ili FAJL.tsv";
    }
    if (o.Command == Verb::List && !o.Output.empty() && o.Output != StandardOutput &&
        o.Ports.size() > 1) {
        return "list -o FAJL radi sa jednom kasom";
    }
    if ((!o.Since.empty() || !o.Until.empty()) && o.Command != Verb::History) {
        return "--since i --until idu samo uz history";
    }
    if (!o.Since.empty() && !o.Until.empty() && o.Until < o.Since) {
        return "--until je pre --since";
    }
    return CheckTills(o);
}

std::string ReadNumbers(CliOptions& o, const std::vector<std::string>& rest) {
    for (const std::string& text : rest) {
        int number = 0;
        if (!ReadLocation(text, number)) {
            return "neispravan broj artikla: " + text;
        }
        if (number == ProtectedLocation) {
            return "lokacija 1 se ne brise";
        }
        o.Numbers.push_back(number);
    }
    return {};
}

} // namespace

const char StandardOutput[] = "-";

ParsedArguments ParseArguments(const std::vector<std::string>& args) {
    ParsedArguments parsed;
    CliOptions& o = parsed.Options;
    std::vector<std::string> rest;
    for (std::size_t i = 0; i < args.size() && parsed.Error.empty(); ++i) {
        const std::string& arg = args[i];
        if (arg.size() < 2 || arg[0] != '-') { // "-" alone is a value, not an option
            if (o.Command == Verb::None && rest.empty()) {
                o.Command = FindVerb(arg);
                parsed.Error = o.Command == Verb::None ? "nepoznata komanda: " + arg : "";
            } else {
                rest.push_back(arg);
            }
            continue;
        }
        const std::string::size_type eq = arg.find('=');
        const OptionEntry* entry = FindOption(arg.substr(0, eq));
        if (entry == nullptr) {
            parsed.Error = "nepoznata opcija: " + arg;
        } else if (!entry->TakesValue && eq != std::string::npos) {
            parsed.Error = std::string(entry->Name) + " ne prima vrednost";
        } else if (entry->TakesValue && eq == std::string::npos && i + 1 >= args.size()) {
            parsed.Error = std::string(entry->Name) + " trazi vrednost";
        } else {
            const std::string value = !entry->TakesValue        ? std::string()
                                      : eq != std::string::npos ? arg.substr(eq + 1)
                                                                : args[++i];
            parsed.Error = entry->Set(o, value);
        }
    }
    if (!parsed.Error.empty() || o.Command == Verb::Help || o.Command == Verb::Version) {
        return parsed;
    }
    if (o.Command == Verb::None) {
        parsed.Error = "nedostaje komanda";
        return parsed;
    }
    parsed.Error = AllMeaning(o, rest);
    if (parsed.Error.empty() && o.Command == Verb::Registers) {
        parsed.Error = CheckTillsVerb(o, rest);
        parsed.Error = parsed.Error.empty() ? CheckFlags(o) : parsed.Error;
        return parsed;
    }
    parsed.Error = parsed.Error.empty() ? CheckVerb(o, rest) : parsed.Error;
    if (parsed.Error.empty() && o.Command == Verb::Erase) {
        parsed.Error = ReadNumbers(o, rest);
    }
    if (parsed.Error.empty() && !rest.empty() && o.Command != Verb::Erase) {
        o.File = rest.front();
    }
    return parsed;
}

std::vector<std::string> VerbNames() {
    std::vector<std::string> names;
    for (const VerbName& verb : Verbs) {
        names.emplace_back(verb.Name);
    }
    return names;
}

std::vector<std::string> OptionNames() {
    std::vector<std::string> names;
    for (const OptionEntry& entry : Options) {
        names.emplace_back(entry.Name);
        if (entry.Alias != nullptr) {
            names.emplace_back(entry.Alias);
        }
    }
    return names;
}

std::vector<std::string> PortsToUse(const CliOptions& options) {
    const bool none = options.Ports.empty() && options.Registers.empty() && !options.AllTills;
    return none ? std::vector<std::string>{DefaultPort} : options.Ports;
}
