#include "operations/till_jobs.h"

#include "ecr/talon_ecr.h"
#include "image/image_keeper.h"
#include "operations/operation_summaries.h"
#include "operations/sync_articles.h"
#include "text/log_sink.h"

TillJob StatusJob() {
    return [](TillSession& session) {
        session.ECR.RequestStatus();
        TillResult result;
        result.Text = ECRString("Povezano, artikala: ") +
                      ECRString(session.ECR.GetStatusItem().GetArticles());
        return result;
    };
}

TillJob SyncJob(const ArticleTable& articles) {
    return [&articles](TillSession& session) {
        SyncOptions options;
        options.Reconnect = session.Reconnect;
        const SyncOutcome outcome = SyncArticles(session.ECR, session.Image, articles, options,
                                                 session.Progress, session.Log);
        if (outcome.Stopped) {
            session.Log.Line(SyncStoppedSummary(outcome));
        }
        return SyncResult(outcome, session.Image.Doubt());
    };
}
