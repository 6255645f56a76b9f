// history: the record of changes of one till (by --register or --port), or of every till
// when neither is given; printed, or with -o saved as the nivelacija workbook or as text.
#include <string>

#include "cli/cli_options.h"
#include "cli/port_sinks.h"
#include "cli/terminal_output.h"
#include "cli/verbs.h"
#include "ecr/talon_ecr.h"
#include "image/register_image.h"
#include "operations/history_book.h"
#include "operations/history_document.h"
#include "operations/history_report.h"

namespace {

// Tells each record that could not be taken in; false when there was one.
bool SayFaults(const HistoryRefresh& refresh, const std::string& folder, PortLog& log) {
    if (refresh.FolderUnreadable) {
        log.Say("Greska: fasciklu " + folder + " nije moguce procitati");
    }
    for (const RecordFault& fault : refresh.Faults) {
        log.Say(fault.What == RecordFault::Missing
                    ? "Nema istorije izmena za kasu " + fault.Till + ": fajl " + fault.Path +
                          " ne postoji"
                    : "Greska: fajl " + fault.Path + " nije moguce procitati");
    }
    return !refresh.FolderUnreadable && refresh.Faults.empty();
}

// Prints or saves what the options ask for of the book's lines; `till` empty: every till.
ExitStatus Report(HistoryBook& book, const std::string& till, const CliOptions& options,
                  PortLog& log, TerminalOutput& out) {
    const HistoryRefresh refresh = book.Refresh();
    const bool whole = SayFaults(refresh, book.Folder(), log);
    if (refresh.FolderUnreadable || (!till.empty() && !whole)) {
        return ExitUsage;
    }
    if (book.Tills().empty()) {
        if (whole) {
            log.Say("Nema istorije izmena ni za jednu kasu u " + book.Folder());
        }
        return ExitUsage;
    }
    const HistoryFilter filter{till, options.Since, options.Until, ""};
    const std::string& output = options.Output;
    if (output.empty() || output == StandardOutput) {
        out.Result(HistoryText(book.Select(filter), till.empty()));
        return whole ? ExitDone : ExitUsage;
    }
    const HistoryDocument document = SaveHistoryDocument(output, book, filter);
    for (const std::string& line : HistoryDocumentLines(output, document)) {
        log.Say(line);
    }
    return document.Saved && whole ? ExitDone : ExitUsage;
}

ExitStatus ReportOne(const std::string& till, const CliOptions& options, PortLog& log,
                     TerminalOutput& out) {
    HistoryBook book(DefaultImageFolder(), till);
    return Report(book, till, options, log, out);
}

} // namespace

ExitStatus RunHistory(VerbContext& context) {
    context.ECR.RequestStatus();
    return ReportOne(ImageName(context.ECR.GetStatusItem()), context.Options, context.Log,
                     context.Out);
}

ExitStatus PrintHistory(const CliOptions& options, TerminalOutput& out) {
    PortLog log(out, "", options.Quiet);
    ExitStatus status = ExitDone;
    if (options.Registers.empty()) {
        HistoryBook book(DefaultImageFolder());
        status = Report(book, "", options, log, out);
    } else {
        status = ReportOne(HistoryNameOf(options.Registers.front()), options, log, out);
    }
    log.Finish(status != ExitDone);
    return status;
}
