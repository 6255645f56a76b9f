// Sending only the articles that differ from what the register's image says it holds.
#include "ui/main/form_main.h"

#include "operations/image_keeper.h"
#include "operations/operation_summaries.h"
#include "operations/sync_articles.h"
#include "ui/main/window_sinks.h"

void TFormMain::BitBtnSendChangesClick() {
    if (!ECR || !Image) {
        return;
    }
    GuardLink([this] {
        WindowProgress progress(*this);
        WindowLog log(*this);
        const SyncOutcome outcome =
            SyncArticles(*ECR, *Image, ArticlesPC, SyncOptions(), progress, log);
        if (outcome.Stopped) {
            Log(SyncStoppedSummary(outcome));
        }
    });
}
