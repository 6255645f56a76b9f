// Sending the PC article list to the register, one write per grid row.
#include "ui/main/form_main.h"

#include <QTableWidget>

#include <vector>

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
    if (!ECR || !Image) {
        return;
    }
    GuardLink([this] {
        WindowProgress progress(*this);
        WindowLog log(*this);
        const std::vector<int> locations = GridLocations(StringGridPC);
        const int articles = static_cast<int>(locations.size());
        const SendOutcome outcome =
            SendArticleList(*ECR, *Image, ArticlesPC, locations, progress, log, Reconnect.get());
        if (outcome.Blocked) {
            return;
        }
        if (outcome.Stopped) {
            Log(SendStoppedSummary(outcome, articles));
            return;
        }
        Log(SendSummary(outcome, articles));
    });
}
