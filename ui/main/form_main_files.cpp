// Loading the PC article list from a text file and saving the register's articles to one.
#include "ui/main/form_main.h"

#include <QFile>
#include <QPushButton>
#include <QTableWidget>

#include "articles/article_file.h"
#include "articles/load_messages.h"
#include "ui/main/grid_rows.h"

namespace {

const QString CannotSave = QStringLiteral("Greska: fajl %1 nije moguce snimiti");
constexpr int EmptyGridRows = 2; // heading and one empty row

std::string NativePath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

} // namespace

void TFormMain::BitBtnOpenClick() {
    const QString path = ChooseOpenFile ? ChooseOpenFile() : QString();
    if (path.isEmpty()) {
        return;
    }
    StringGridPC->hide();
    BitBtnSort->setEnabled(false);
    BitBtnSend->setEnabled(false);
    BitBtnSendChanges->setEnabled(false);
    BitBtnExamine->setEnabled(false);
    SetGridRowCount(StringGridPC, EmptyGridRows);
    if (!LoadArticleFile(path)) {
        return;
    }
    FillGridPC();
    StringGridPC->show();
    BitBtnSort->setEnabled(true);
    BitBtnSend->setEnabled(true);
    BitBtnSendChanges->setEnabled(true);
    BitBtnExamine->setEnabled(true);
}

void TFormMain::BitBtnSaveClick() {
    const QString path = ChooseSaveFile ? ChooseSaveFile() : QString();
    if (path.isEmpty()) {
        return;
    }
    SaveArticleFile(path);
}

bool TFormMain::LoadArticleFile(const QString& path) {
    const LoadOutcome outcome = LoadArticles(NativePath(path), ArticlesPC);
    for (const std::string& line : LoadMessages(outcome, path.toStdString())) {
        Log(QString::fromStdString(line));
    }
    return outcome.Taken > 0;
}

bool TFormMain::SaveArticleFile(const QString& path) {
    const bool saved = SaveArticles(NativePath(path), ArticlesECR);
    if (!saved) {
        Log(CannotSave.arg(path));
    }
    return saved;
}
