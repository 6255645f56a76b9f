// The status report: sixteen labelled lines of the register's status record.
#include "ui/main/form_main.h"

#include "ecr/talon_ecr.h"
#include "image/image_keeper.h"
#include "operations/status_report.h"
#include "ui/main/window_sinks.h"

void TFormMain::BitBtnStatusClick() {
    GuardLink([this] {
        WindowLog log(*this);
        ReportStatus(*ECR, log);
        if (Image) {
            Image->Identify(ECR->GetStatusItem());
        }
    });
}
