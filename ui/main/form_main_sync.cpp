// Sending only the articles that differ from what the register's image says it holds.
#include "ui/main/form_main.h"

#include <QCheckBox>

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
        SyncOptions options;
        options.Verify = CheckBoxVerify->isChecked();
        options.Reconnect = Reconnect.get();
        const SyncOutcome outcome = SyncArticles(*ECR, *Image, ArticlesPC, options, progress, log);
        if (outcome.Stopped) {
            Log(SyncStoppedSummary(outcome));
        }
    });
}
