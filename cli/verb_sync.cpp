#include <string>

#include "cli/cli_options.h"
#include "cli/port_sinks.h"
#include "cli/terminal_output.h"
#include "cli/verbs.h"
#include "image/image_keeper.h"
#include "operations/arrange_for_register.h"
#include "operations/operation_summaries.h"
#include "operations/sync_articles.h"

namespace {

// --dry-run: one line a location, "upis N NAME" or "brisanje N NAME".
std::string PlannedLines(const SyncOutcome& outcome, const ArticleTable& table,
                         const RegisterImage& image, const std::string& prefix) {
    std::string lines;
    for (int location : outcome.ToWrite) {
        lines += prefix + "upis " + std::to_string(location) + " " +
                 ToUtf8(table[location].GetDescription()) + "\n";
    }
    for (int location : outcome.ToErase) {
        lines += prefix + "brisanje " + std::to_string(location) + " " +
                 ToUtf8(image.Articles.at(location).GetDescription()) + "\n";
    }
    return lines;
}

} // namespace

ExitStatus RunSync(VerbContext& context) {
    if (context.Options.Arrange) {
        ArrangeForRegister(context.ECR, context.Articles);
    }
    SyncOptions options;
    options.DryRun = context.Options.DryRun;
    options.Prune = context.Options.Prune;
    options.Verify = context.Options.Verify;
    options.Reconnect = context.Reconnect;
    const SyncOutcome outcome = SyncArticles(context.ECR, context.Image, context.Articles, options,
                                             context.Progress, context.Log);
    if (outcome.Blocked) {
        return ExitUsage;
    }
    if (!outcome.Trusted) {
        return ExitRefused;
    }
    if (options.DryRun) {
        context.Out.Result(
            PlannedLines(outcome, context.Articles, context.Image.Image(), context.Log.Prefix()));
    }
    if (outcome.Stopped) {
        context.Log.Line(SyncStoppedSummary(outcome));
        return ExitInterrupted;
    }
    return outcome.Refused > 0 || outcome.Differing > 0 ? ExitRefused : ExitDone;
}
