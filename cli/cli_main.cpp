#include "cli/cli_main.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <memory>
#include <unistd.h>

#include "articles/article_file.h"
#include "articles/duplicates.h"
#include "cli/chosen_tills.h"
#include "cli/cli_options.h"
#include "cli/cli_usage.h"
#include "cli/console_text.h"
#include "cli/interrupt.h"
#include "cli/password.h"
#include "cli/port_sinks.h"
#include "cli/port_targets.h"
#include "cli/register_run.h"
#include "cli/terminal_output.h"
#include "cli/verbs.h"
#include "image/register_image.h"
#include "operations/load_article_file.h"
#include "operations/remember_tills.h"
#include "operations/run_tills.h"
#include "tills/till_list.h"

namespace {

const char* const ProgramName = "talonsendplu-cli";

ExitStatus UsageError(const std::string& error) {
    const std::string program = ProgramName;
    WriteText(stderr, program + ": " + error + "\nPokrenite " + program + " --help za uputstvo.\n");
    return ExitUsage;
}

bool LoadFile(const std::string& path, ArticleTable& table, PortLog& log) {
    return LoadArticleFileLogged(path, FromUtf8(path), table, log);
}

ExitStatus Examine(const CliOptions& options, TerminalOutput& out) {
    ArticleTable table;
    PortLog log(out, "", options.Quiet);
    if (!LoadFile(options.File, table, log)) {
        log.Finish(true);
        return ExitUsage;
    }
    std::string lines;
    ExamineDuplicates(
        table, [&lines](const ECRString& line) { lines += ToUtf8(line) + "\n"; }, [] {});
    out.Result(lines);
    return ExitDone;
}

// The targets of the given ports (with the command line's speed and password), then of
// the saved tills chosen (with their own).
std::vector<PortTarget> MakeTargets(const CliOptions& options, const std::vector<Till>& saved,
                                    const ECRString& password) {
    TargetMaker maker;
    std::vector<PortTarget> targets;
    for (const std::string& port : PortsToUse(options)) {
        targets.push_back(maker.OfPort(port));
        targets.back().Speed = options.Speed;
        targets.back().Password = password;
    }
    for (const Till& till : saved) {
        targets.push_back(maker.OfTill(till));
    }
    for (PortTarget& target : targets) {
        target.Printing = options.Print;
    }
    return targets;
}

// Every register on a thread of its own (one alone on this thread); the worst status of
// them. The lines of a saved till, and of each register when several work, carry its name.
ExitStatus RunOnRegisters(const CliOptions& options, const std::vector<PortTarget>& targets,
                          const ArticleTable& articles, TerminalOutput& out) {
    const bool saved =
        std::any_of(targets.begin(), targets.end(), [](const PortTarget& t) { return t.Saved; });
    const bool named = targets.size() > 1 || saved;
    std::vector<std::unique_ptr<PortLog>> logs;
    std::vector<std::unique_ptr<PortProgress>> progress;
    std::vector<TillWork> work;
    work.reserve(targets.size()); // each holds its own copy of the articles
    for (const PortTarget& target : targets) {
        logs.push_back(
            std::make_unique<PortLog>(out, named ? "[" + target.Name + "] " : "", options.Quiet));
        progress.push_back(std::make_unique<PortProgress>(out));
        PortLog& log = *logs.back();
        work.push_back({target, &log, progress.back().get(),
                        VerbJob(options, target, articles, log, *progress.back(), out),
                        [&log](const TillResult& result) {
                            log.Finish(result.End != TillEnd::Done || InterruptRequested());
                        }});
    }
    const std::atomic<bool> stop{false}; // Ctrl+C reaches every till through its progress
    const std::vector<TillResult> results = RunTills(work, DefaultImageFolder(), stop);
    ExitStatus worst = ExitDone;
    std::vector<std::string> savedNames;
    for (std::size_t i = 0; i < results.size(); ++i) {
        worst = WorseStatus(worst, StatusOfEnd(results[i].End));
        savedNames.push_back(targets[i].Saved ? targets[i].Name : std::string());
    }
    if (saved) {
        PortLog log(out, "", options.Quiet);
        RememberFiscalModules(savedNames, results, log, TillList::DefaultPath());
        log.Finish(true);
    }
    return InterruptRequested() ? ExitInterrupted : worst;
}

// The saved tills the options name; false when one is not saved (told on standard error).
bool SavedTills(const CliOptions& options, std::vector<Till>& saved, TerminalOutput& out) {
    if (options.Registers.empty() && !options.AllTills) {
        return true;
    }
    PortLog log(out, "", options.Quiet);
    TillList list;
    list.Load(log);
    std::string failure;
    const bool chosen = ChooseTills(options, list, saved, failure);
    if (!chosen) {
        log.Say(failure);
    }
    log.Finish(!chosen || list.Damaged());
    return chosen;
}

} // namespace

int RunCommandLine(const std::vector<std::string>& args) {
    const ParsedArguments parsed = ParseArguments(args);
    const CliOptions& options = parsed.Options;
    if (!parsed.Error.empty()) {
        return UsageError(parsed.Error);
    }
    if (options.Command == Verb::Help || options.Command == Verb::Version) {
        WriteText(stdout, options.Command == Verb::Help ? CliUsage : CliVersion);
        return ExitDone;
    }
    TerminalOutput out(stderr, stdout, !options.Quiet && isatty(STDERR_FILENO) != 0);
    if (options.Command == Verb::Examine) {
        return Examine(options, out);
    }
    if (options.Command == Verb::History && options.Ports.empty()) {
        return PrintHistory(options, out);
    }
    if (options.Command == Verb::Registers) {
        return RunRegisters(options, out);
    }
    std::string password;
    std::string failure;
    if (!ReadPassword(options.PasswordFile, password, failure)) {
        return UsageError(failure);
    }
    std::vector<Till> saved;
    if (!SavedTills(options, saved, out)) {
        return ExitUsage;
    }
    const bool toFile = !options.Output.empty() && options.Output != StandardOutput;
    if (options.Command == Verb::List && toFile && PortsToUse(options).size() + saved.size() > 1) {
        return UsageError("list -o FAJL radi sa jednom kasom");
    }
    auto articles = std::make_unique<ArticleTable>();
    if (options.Command == Verb::Send || options.Command == Verb::Sync) {
        PortLog log(out, "", options.Quiet);
        if (!LoadFile(options.File, *articles, log)) {
            log.Finish(true);
            return ExitUsage;
        }
        log.Finish(false);
    }
    CatchInterrupt();
    const std::vector<PortTarget> targets = MakeTargets(options, saved, FromUtf8(password));
    return RunOnRegisters(options, targets, *articles, out);
}
