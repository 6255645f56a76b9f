#include "cli/register_run.h"

#include <memory>
#include <string>

#include "cli/cli_options.h"
#include "cli/interrupt.h"
#include "cli/port_sinks.h"
#include "cli/port_targets.h"
#include "cli/verbs.h"
#include "ecr/talon_ecr.h"
#include "image/image_keeper.h"
#include "operations/connect_register.h"
#include "operations/reconnection.h"
#include "operations/register_log.h"
#include "serial/ecr_error.h"
#include "serial/port_link.h"

namespace {

const char* const EmulatorFailedLine = "Emulator nije moguce pokrenuti: ";

ExitStatus ConnectStatus(ConnectOutcome outcome) {
    switch (outcome) {
    case ConnectOutcome::Connected:
        return ExitDone;
    case ConnectOutcome::PasswordRefused:
        return ExitRefused;
    case ConnectOutcome::PortNotOpened:
    case ConnectOutcome::NoAnswer:
        break;
    }
    return ExitNoRegister;
}

ExitStatus RunVerb(VerbContext& context) {
    switch (context.Options.Command) {
    case Verb::Status:
        return RunStatus(context);
    case Verb::List:
        return RunList(context);
    case Verb::Send:
        return RunSend(context);
    case Verb::Erase:
        return RunErase(context);
    case Verb::Sync:
        return RunSync(context);
    case Verb::History:
        return RunHistory(context);
    default:
        return ExitUsage;
    }
}

} // namespace

ExitStatus RunOnRegister(const CliOptions& options, const PortTarget& target,
                         const ECRString& password, ArticleTable articles, PortLog& log,
                         TerminalOutput& out) {
    if (!target.Failure.empty()) {
        log.Say(EmulatorFailedLine + target.Failure);
        LogConnectFailure(log);
        return ExitNoRegister;
    }
    const std::unique_ptr<SerialComm> link =
        MakePortLink(RegisterPortSettings(target.Number, options.Speed), target.Address);
    std::unique_ptr<TalonECR> ecr;
    const ExitStatus connected =
        ConnectStatus(ConnectRegister(*link, ecr, password, options.Print, log));
    if (connected != ExitDone) {
        return connected;
    }
    if (InterruptRequested()) {
        return ExitInterrupted;
    }
    PortProgress progress(out);
    ImageKeeper image;
    // A serial line that fails stays failed; a converter's connection can be made again.
    std::unique_ptr<Reconnection> reconnection;
    if (target.Address) {
        reconnection = std::make_unique<Reconnection>(*link, *ecr, password, options.Print);
    }
    VerbContext context{*ecr, options, articles, log, progress, out, image, reconnection.get()};
    ExitStatus status = ExitDone;
    try {
        status = RunVerb(context);
    } catch (const ECRError& error) {
        progress.End();
        log.Line(LinkErrorLine(error));
        status = ExitLinkFailed;
    }
    link->Close();
    return InterruptRequested() ? ExitInterrupted : status;
}
