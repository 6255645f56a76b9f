#include "cli/register_run.h"

#include "cli/cli_options.h"
#include "cli/port_sinks.h"
#include "cli/port_targets.h"
#include "cli/verbs.h"

namespace {

struct EndStatus {
    TillEnd End;
    ExitStatus Status;
};
const EndStatus EndStatuses[] = {
    {TillEnd::Done, ExitDone},
    {TillEnd::Refused, ExitRefused},
    {TillEnd::Blocked, ExitUsage},
    {TillEnd::NoRegister, ExitNoRegister},
    {TillEnd::LinkFailed, ExitLinkFailed},
    {TillEnd::Stopped, ExitInterrupted},
};

TillEnd EndOfStatus(ExitStatus status) {
    for (const EndStatus& pair : EndStatuses) {
        if (pair.Status == status) {
            return pair.End;
        }
    }
    return TillEnd::Blocked;
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

ExitStatus StatusOfEnd(TillEnd end) {
    for (const EndStatus& pair : EndStatuses) {
        if (pair.End == end) {
            return pair.Status;
        }
    }
    return ExitUsage;
}

TillJob VerbJob(const CliOptions& options, const PortTarget& target, ArticleTable articles,
                PortLog& log, PortProgress& progress, TerminalOutput& out) {
    return [&options, &target, articles, &log, &progress, &out](TillSession& session) mutable {
        VerbContext context{session.ECR,   options, articles,         log, progress, out,
                            session.Image, target,  session.Reconnect};
        TillResult result;
        result.End = EndOfStatus(RunVerb(context));
        return result;
    };
}
