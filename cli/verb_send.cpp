#include "cli/cli_options.h"
#include "cli/port_sinks.h"
#include "cli/verbs.h"
#include "operations/arrange_for_register.h"
#include "operations/image_keeper.h"
#include "operations/operation_summaries.h"
#include "operations/send_articles.h"

ExitStatus RunSend(VerbContext& context) {
    if (context.Options.Arrange) {
        ArrangeForRegister(context.ECR, context.Articles);
    }
    const std::vector<int> locations = PresentLocations(context.Articles);
    ImageWriting writing(&context.Image, context.ECR, ImageKeeper::Writing::FullSend, context.Log);
    const SendOutcome sent = SendArticles(context.ECR, context.Articles, locations,
                                          context.Progress, context.Log, &context.Image);
    if (sent.Stopped) {
        context.Log.Line(SendStoppedSummary(sent, static_cast<int>(locations.size())));
        return ExitInterrupted;
    }
    writing.EndedNormally();
    return sent.Refused > 0 ? ExitRefused : ExitDone;
}
