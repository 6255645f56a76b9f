#include "operations/send_articles.h"

#include "ecr/talon_ecr.h"
#include "operations/image_keeper.h"
#include "operations/operation_sinks.h"
#include "operations/register_log.h"
#include "serial/ecr_error.h"

namespace {

bool IsTableIndex(int location) {
    return location >= 0 && location < ArticleTableSize;
}

// The register's code for one write; the name goes to the log before any failure line.
std::int32_t WriteOne(TalonECR& ecr, const TalonPLUItem& item, int location, LogSink& log) {
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
    return code;
}

} // namespace

SendOutcome SendArticles(TalonECR& ecr, const ArticleTable& table,
                         const std::vector<int>& locations, ProgressSink& progress, LogSink& log,
                         ImageKeeper* image) {
    SendOutcome outcome;
    progress.Begin(0, static_cast<int>(locations.size()));
    for (int location : locations) {
        if (progress.StopRequested()) {
            outcome.Stopped = true;
            break;
        }
        if (IsTableIndex(location)) {
            const bool written = WriteOne(ecr, table[location], location, log) == 0;
            ++(written ? outcome.Written : outcome.Refused);
            if (written && image != nullptr) {
                image->Written(location, table[location]);
            }
        }
        progress.Step(1);
    }
    progress.End();
    return outcome;
}

std::vector<int> PresentLocations(const ArticleTable& table) {
    std::vector<int> locations;
    for (int location = 0; location < ArticleTableSize; ++location) {
        if (IsPresent(table[location])) {
            locations.push_back(location);
        }
    }
    return locations;
}
