// registers: the saved tills listed, one added (or replaced) or one removed.
#include <string>

#include "cli/cli_options.h"
#include "cli/password.h"
#include "cli/port_sinks.h"
#include "cli/terminal_output.h"
#include "cli/verbs.h"
#include "tills/till_line.h"
#include "tills/till_list.h"

namespace {

const char* const OnText = "ukljucena";
const char* const OffText = "iskljucena";

std::string Quoted(const std::string& name) {
    return "Kasa \"" + name + "\"";
}

// One line a till: name, port, speed, on or off, separated by TAB.
ExitStatus ListTills(const TillList& tills, PortLog& log, TerminalOutput& out) {
    if (tills.Tills().empty()) {
        log.Say("Nema sacuvanih kasa u " + tills.Path());
        return ExitDone;
    }
    std::string lines;
    for (const Till& till : tills.Tills()) {
        lines += EscapedTillField(till.Name) + "\t" + till.Port + "\t" +
                 std::to_string(till.Speed) + "\t" + (till.Enabled ? OnText : OffText) + "\n";
    }
    out.Result(lines);
    return ExitDone;
}

// A till of the same name is replaced; on the same port it stays as it was switched and
// keeps the register found there.
ExitStatus AddTill(const CliOptions& options, TillList& tills, PortLog& log) {
    Till till;
    till.Name = options.TillName;
    till.Port = options.Ports.front();
    till.Speed = options.Speed;
    std::string failure;
    if (!ReadPassword(options.PasswordFile, till.Password, failure)) {
        log.Say(failure);
        return ExitUsage;
    }
    const Till* before = tills.Find(till.Name);
    if (before != nullptr && before->Port == till.Port) {
        till.Enabled = before->Enabled;
        till.FiscalModule = before->FiscalModule;
    }
    const std::string fault = TillFault(till);
    if (!fault.empty()) {
        log.Say(Quoted(till.Name) + " nije sacuvana: " + fault);
        return ExitUsage;
    }
    tills.Put(till);
    if (!tills.Save(log)) {
        return ExitUsage;
    }
    log.Say(Quoted(till.Name) + " je sacuvana");
    return ExitDone;
}

ExitStatus RemoveTill(const std::string& name, TillList& tills, PortLog& log) {
    if (!tills.Remove(name)) {
        log.Say(Quoted(name) + " nije sacuvana");
        return ExitUsage;
    }
    if (!tills.Save(log)) {
        return ExitUsage;
    }
    log.Say(Quoted(name) + " je uklonjena");
    return ExitDone;
}

ExitStatus Run(const CliOptions& options, TillList& tills, PortLog& log, TerminalOutput& out) {
    switch (options.Action) {
    case TillsAction::Add:
        return AddTill(options, tills, log);
    case TillsAction::Remove:
        return RemoveTill(options.TillName, tills, log);
    case TillsAction::List:
        break;
    }
    return ListTills(tills, log, out);
}

} // namespace

ExitStatus RunRegisters(const CliOptions& options, TerminalOutput& out) {
    PortLog log(out, "", options.Quiet);
    TillList tills;
    tills.Load(log);
    const ExitStatus status = Run(options, tills, log, out);
    log.Finish(status != ExitDone || tills.Damaged());
    return status;
}
