#include "operations/write_article.h"

#include "ecr/talon_ecr.h"
#include "image/image_keeper.h"
#include "operations/operation_sinks.h"
#include "operations/register_log.h"
#include "serial/ecr_error.h"

std::int32_t WriteArticle(TalonECR& ecr, const TalonPLUItem& item, int location, LogSink& log,
                          ImageKeeper* image) {
    std::int32_t code = 0;
    try {
        code = ecr.WriteArticle(item, location);
    } catch (const ECRError&) {
        log.Line(item.GetDescription());
        throw;
    }
    if (code != 0) {
        log.Line(item.GetDescription());
        log.Line(RegisterErrorLine(ecr));
    }
    if (image != nullptr) {
        if (code == 0) {
            image->Written(location, item);
        } else {
            image->Refused(location);
        }
    }
    return code;
}

EditOutcome WriteEditedArticle(TalonECR& ecr, ImageKeeper& image, const TalonPLUItem& item,
                               LogSink& log) {
    EditOutcome outcome;
    const int location = item.GetThisID();
    ImageWriting writing(image, ecr, JournalKind::Patch, {{JournalStep::Write, location, item}},
                         log, HistoryOperation::Edit);
    if (!writing.Ready()) {
        outcome.Blocked = true;
        return outcome;
    }
    outcome.Code = WriteArticle(ecr, item, location, log, &image);
    writing.Ended(false);
    return outcome;
}
