#include <string>

#include "cli/cli_options.h"
#include "cli/port_sinks.h"
#include "cli/verbs.h"
#include "operations/erase_articles.h"
#include "operations/list_articles.h"

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
        const ListOutcome listed = ListArticles(context.ECR, context.Articles, context.Progress);
        if (listed.Stopped) {
            SayStopped(context.Log, "procitano", listed.Read, listed.Count);
            return ExitInterrupted;
        }
        targets = ListedTargets(context.Articles);
    }
    const EraseOutcome erased = EraseArticles(context.ECR, targets, context.Progress, context.Log);
    if (erased.Stopped) {
        SayStopped(context.Log, "obrisano", erased.Erased, static_cast<int>(targets.size()));
        return ExitInterrupted;
    }
    return erased.Refused > 0 ? ExitRefused : ExitDone;
}
