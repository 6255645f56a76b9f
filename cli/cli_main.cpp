#include "cli/cli_main.h"

#include <cstdio>
#include <memory>
#include <thread>
#include <unistd.h>

#include "articles/article_file.h"
#include "articles/duplicates.h"
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
#include "operations/load_article_file.h"

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

// Every register on a thread of its own; one register works on this thread.
ExitStatus RunOnRegisters(const CliOptions& options, const ECRString& password,
                          const ArticleTable& articles, TerminalOutput& out) {
    std::vector<PortTarget> targets = ResolvePorts(PortsToUse(options));
    const bool several = targets.size() > 1;
    std::vector<ExitStatus> statuses(targets.size(), ExitDone);
    auto work = [&](std::size_t i) {
        PortLog log(out, several ? "[" + targets[i].Shown + "] " : "", options.Quiet);
        statuses[i] = RunOnRegister(options, targets[i], password, articles, log, out);
        log.Finish(statuses[i] != ExitDone);
    };
    if (!several) {
        work(0);
        return statuses[0];
    }
    std::vector<std::thread> threads;
    for (std::size_t i = 0; i < targets.size(); ++i) {
        threads.emplace_back(work, i);
    }
    ExitStatus worst = ExitDone;
    for (std::size_t i = 0; i < threads.size(); ++i) {
        threads[i].join();
        worst = WorseStatus(worst, statuses[i]);
    }
    return worst;
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
    std::string password;
    std::string failure;
    if (!ReadPassword(options.PasswordFile, password, failure)) {
        return UsageError(failure);
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
    return RunOnRegisters(options, FromUtf8(password), *articles, out);
}
