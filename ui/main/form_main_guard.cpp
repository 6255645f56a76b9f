#include "ui/main/form_main.h"

#include <QTabWidget>

#include "serial/ecr_error.h"
#include "ui/common/error_display.h"
#include "ui/main/history_page.h"

bool TFormMain::GuardLink(const std::function<void()>& operation) {
    try {
        operation();
        return true;
    } catch (const ECRError& error) {
        // The operation stops where the link failed; the window must be usable again and
        // the connection stays open for the next try.
        EndProgress();
        LogLinkError(error);
        return false;
    }
}

void TFormMain::RunWindowHandler(const std::function<void()>& handler) {
    RunHandler(handler);
    // Every operation ends with the window usable; one that an unexpected exception cut
    // short must not leave it blocked behind the progress box for good.
    if (Busy()) {
        EndProgress();
    }
    UpdateRegisterControls(); // a list loaded, a connection made or a till changed
    // What the operation wrote to the record shows at once on the page that lists it.
    if (PageControl->currentWidget() == TabHistory) {
        RefreshHistory();
    }
}
