// Loading the PC article list from a text file and saving the register's articles to one.
#include "ui/main/form_main.h"

#include <QFile>
#include <QPushButton>
#include <QTableWidget>

#include "articles/article_file.h"
#include "ui/main/grid_rows.h"

namespace {

const QString CannotLoad = QStringLiteral("Greska: fajl %1 nije moguce ucitati");
const QString CannotSave = QStringLiteral("Greska: fajl %1 nije moguce snimiti");
const QString LinesLeftOver = QStringLiteral("Nije ucitano %1 redova (najvise %2 artikala)");
// The reader stops counting far into a huge file; the count is then a lower bound.
const QString LinesLeftOverAtLeast =
    QStringLiteral("Nije ucitano najmanje %1 redova (najvise %2 artikala)");
constexpr int MostArticles = ArticleTableSize - FirstLoadedLocation;
// A listing cut short saved as it stands would pass for the register's whole list.
const char* const SaveIncompleteQuestion = "Lista nije potpuna. Snimiti samo procitane artikle?";
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
    BitBtnExamine->setEnabled(false);
    SetGridRowCount(StringGridPC, EmptyGridRows);
    if (!LoadArticleFile(path)) {
        return;
    }
    FillGridPC();
    StringGridPC->show();
    BitBtnSort->setEnabled(true);
    BitBtnSend->setEnabled(true);
    BitBtnExamine->setEnabled(true);
}

void TFormMain::BitBtnSaveClick() {
    if (ListIncomplete && !Confirm(QString::fromLatin1(SaveIncompleteQuestion))) {
        return;
    }
    const QString path = ChooseSaveFile ? ChooseSaveFile() : QString();
    if (path.isEmpty()) {
        return;
    }
    SaveArticleFile(path);
}

bool TFormMain::LoadArticleFile(const QString& path) {
    const LoadOutcome outcome = LoadArticles(NativePath(path), ArticlesPC);
    if (!outcome.Opened) {
        Log(CannotLoad.arg(path));
    }
    if (outcome.LinesNotTaken > 0) {
        const QString& text = outcome.CountStopped ? LinesLeftOverAtLeast : LinesLeftOver;
        Log(text.arg(outcome.LinesNotTaken).arg(MostArticles));
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
