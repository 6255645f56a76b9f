#include "ui/main/form_main.h"

#include "serial/ecr_error.h"

void TFormMain::GuardLink(const std::function<void()>& operation) {
    try {
        operation();
    } catch (const ECRError& error) {
        // The operation stops where the link failed; the window must be usable again and
        // the connection stays open for the next try.
        EndProgress();
        LogLinkError(error);
    }
}
