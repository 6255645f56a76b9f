// history: the record of changes of one register (by --register or --port), or of every
// register when neither is given.
#include <filesystem>
#include <string>
#include <vector>

#include "cli/cli_options.h"
#include "cli/port_sinks.h"
#include "cli/terminal_output.h"
#include "cli/verbs.h"
#include "ecr/talon_ecr.h"
#include "files/whole_file.h"
#include "image/change_record.h"
#include "image/history_line.h"
#include "image/register_image.h"
#include "operations/history_report.h"
#include "text/file_path.h"

namespace {

const char* const RegisterColumn = "Kasa\t";

void SayUnreadable(PortLog& log, const std::string& path) {
    log.Say("Greska: fajl " + path + " nije moguce procitati");
}

// The record's lines dated on or after --since, the heading left out; false with the
// reason said when the file is missing or unreadable.
bool RecordLines(const std::string& name, const std::string& since, PortLog& log,
                 std::vector<std::string>& lines) {
    const std::string path = HistoryPath(DefaultImageFolder(), name);
    std::error_code failed;
    const bool found = std::filesystem::exists(FileSystemPath(path), failed);
    if (failed) { // the folder on the way cannot be searched: the file may well be there
        SayUnreadable(log, path);
        return false;
    }
    if (!found) {
        log.Say("Nema istorije izmena za kasu " + name + ": fajl " + path + " ne postoji");
        return false;
    }
    std::string text;
    if (ReadWholeFile(path, text) != WholeFileRead::Read) {
        SayUnreadable(log, path);
        return false;
    }
    lines = HistoryLinesSince(text, since);
    if (!lines.empty()) {
        lines.erase(lines.begin());
    }
    return true;
}

ExitStatus PrintOne(const std::string& name, const CliOptions& options, PortLog& log,
                    TerminalOutput& out) {
    std::vector<std::string> lines;
    if (!RecordLines(name, options.Since, log, lines)) {
        return ExitUsage;
    }
    std::string text = std::string(HistoryHeading) + "\n";
    for (const std::string& line : lines) {
        text += line + "\n";
    }
    out.Result(text);
    return ExitDone;
}

// Every register's lines, each after its register's name.
ExitStatus PrintAll(const CliOptions& options, PortLog& log, TerminalOutput& out) {
    const std::string folder = DefaultImageFolder();
    std::error_code failed;
    const std::vector<std::string> names = RegistersWithHistory(folder, failed);
    if (failed) {
        log.Say("Greska: fasciklu " + folder + " nije moguce procitati");
        return ExitUsage;
    }
    if (names.empty()) {
        log.Say("Nema istorije izmena ni za jednu kasu u " + folder);
        return ExitUsage;
    }
    std::string text = RegisterColumn + std::string(HistoryHeading) + "\n";
    ExitStatus status = ExitDone;
    for (const std::string& name : names) {
        std::vector<std::string> lines;
        if (!RecordLines(name, options.Since, log, lines)) {
            status = ExitUsage;
            continue;
        }
        for (const std::string& line : lines) {
            text += name + "\t" + line + "\n";
        }
    }
    out.Result(text);
    return status;
}

} // namespace

ExitStatus RunHistory(VerbContext& context) {
    context.ECR.RequestStatus();
    return PrintOne(ImageName(context.ECR.GetStatusItem()), context.Options, context.Log,
                    context.Out);
}

ExitStatus PrintHistory(const CliOptions& options, TerminalOutput& out) {
    PortLog log(out, "", options.Quiet);
    const ExitStatus status = options.Register.empty()
                                  ? PrintAll(options, log, out)
                                  : PrintOne(HistoryNameOf(options.Register), options, log, out);
    log.Finish(status != ExitDone);
    return status;
}
