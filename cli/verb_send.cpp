#include "cli/cli_options.h"
#include "cli/port_sinks.h"
#include "cli/verbs.h"
#include "operations/arrange_for_register.h"
#include "operations/operation_summaries.h"
#include "operations/send_articles.h"

ExitStatus RunSend(VerbContext& context) {
    if (context.Options.Arrange) {
        ArrangeForRegister(context.ECR, context.Articles);
    }
    const std::vector<int> locations = PresentLocations(context.Articles);
    const SendOutcome sent =
        SendArticleList(context.ECR, context.Image, context.Articles, locations, context.Progress,
                        context.Log, context.Reconnect);
    if (sent.Blocked) {
        return ExitUsage;
    }
    if (sent.Stopped) {
        context.Log.Line(SendStoppedSummary(sent, static_cast<int>(locations.size())));
        return ExitInterrupted;
    }
    return sent.Refused > 0 ? ExitRefused : ExitDone;
}
