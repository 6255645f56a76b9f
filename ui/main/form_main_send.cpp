// Sending the PC article list to the register, one write per grid row.
#include "ui/main/form_main.h"

#include <QTableWidget>

#include <vector>

#include "operations/image_keeper.h"
#include "operations/operation_summaries.h"
#include "operations/send_articles.h"
#include "ui/main/grid_rows.h"
#include "ui/main/window_sinks.h"

namespace {

constexpr int ColumnID = 0;

// The grid's ID column names the table locations, in the order shown.
std::vector<int> GridLocations(const QTableWidget* grid) {
    std::vector<int> locations;
    for (int row = 1; row < GridRowCount(grid); ++row) {
        locations.push_back(GridCell(grid, row, ColumnID).toInt());
    }
    return locations;
}

} // namespace

void TFormMain::BitBtnSendClick() {
    GuardLink([this] {
        WindowProgress progress(*this);
        WindowLog log(*this);
        ImageWriting writing(Image.get(), *ECR, ImageKeeper::Writing::FullSend, log);
        const std::vector<int> locations = GridLocations(StringGridPC);
        const int articles = static_cast<int>(locations.size());
        const SendOutcome outcome =
            SendArticles(*ECR, ArticlesPC, locations, progress, log, Image.get());
        if (outcome.Stopped) {
            // The image stays marked in progress, as a link failure at this point leaves it.
            Log(SendStoppedSummary(outcome, articles));
            return;
        }
        writing.EndedNormally();
        Log(SendSummary(outcome, articles));
    });
}
