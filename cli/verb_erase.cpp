#include <string>

#include "cli/cli_options.h"
#include "cli/port_sinks.h"
#include "cli/verbs.h"
#include "ecr/talon_ecr.h"
#include "operations/erase_articles.h"
#include "operations/list_articles.h"
#include "operations/operation_summaries.h"

namespace {

// Articles asked for by number are logged under their number.
std::vector<EraseTarget> NumberTargets(const std::vector<int>& numbers) {
    std::vector<EraseTarget> targets;
    for (int number : numbers) {
        targets.push_back({number, ECRString(number)});
    }
    return targets;
}

} // namespace

ExitStatus RunErase(VerbContext& context) {
    std::vector<EraseTarget> targets = NumberTargets(context.Options.Numbers);
    if (context.Options.EraseAll) {
        const ListOutcome listed = ListArticles(context.ECR, context.Image, context.Articles,
                                                context.Progress, context.Log);
        if (listed.Stopped) {
            context.Log.Line(ListStoppedSummary(listed));
            return ExitInterrupted;
        }
        targets = ListedTargets(context.Articles);
    }
    const EraseOutcome erased = EraseArticleList(
        context.ECR, context.Image, targets, context.Progress, context.Log, {}, context.Reconnect);
    if (erased.Blocked) {
        return ExitUsage;
    }
    if (erased.Stopped) {
        context.Log.Line(EraseStoppedSummary(erased, static_cast<int>(targets.size())));
        return ExitInterrupted;
    }
    return erased.Refused > 0 ? ExitRefused : ExitDone;
}
