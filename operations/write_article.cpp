#include "operations/write_article.h"

#include "ecr/talon_ecr.h"
#include "image/image_check.h"
#include "image/image_keeper.h"
#include "image/register_image.h"
#include "operations/operation_sinks.h"
#include "operations/reconnection.h"
#include "operations/register_log.h"
#include "serial/ecr_error.h"

namespace {

constexpr std::int32_t Accepted = 0;

// One write; a connection lost on the way is made again and the write taken up: the
// register may have carried it out before the loss, so what it holds is read back first.
std::int32_t WriteTakenUp(TalonECR& ecr, const TalonPLUItem& item, int location, LogSink& log,
                          Reconnection* reconnection) {
    try {
        return ecr.WriteArticle(item, location);
    } catch (const ECRError& error) {
        if (reconnection == nullptr || !reconnection->Recover(error, log)) {
            throw;
        }
    }
    TalonPLUItem held;
    if (ReadBack(ecr, location, held) && SameProgramming(held, item)) {
        return Accepted;
    }
    return ecr.WriteArticle(item, location);
}

} // namespace

std::int32_t WriteArticle(TalonECR& ecr, const TalonPLUItem& item, int location, LogSink& log,
                          ImageKeeper* image, Reconnection* reconnection) {
    std::int32_t code = 0;
    try {
        code = WriteTakenUp(ecr, item, location, log, reconnection);
    } catch (const ECRError&) {
        log.Line(item.GetDescription());
        throw;
    }
    if (code != Accepted) {
        log.Line(item.GetDescription());
        log.Line(RegisterErrorLine(ecr));
    }
    if (image != nullptr) {
        if (code == Accepted) {
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
