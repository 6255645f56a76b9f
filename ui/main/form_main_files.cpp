// Loading the PC article list from a text file and saving the register's articles to one.
#include "ui/main/form_main.h"

#include <QPushButton>
#include <QTableWidget>

#include "articles/save_by_name.h"
#include "operations/load_article_file.h"
#include "ui/common/native_path.h"
#include "ui/common/text_convert.h"
#include "ui/main/grid_rows.h"
#include "ui/main/window_sinks.h"

namespace {

const QString CannotSave = QStringLiteral("Greska: fajl %1 nije moguce snimiti");
// A listing cut short saved as it stands would pass for the register's whole list.
const char* const SaveIncompleteQuestion = "Lista nije potpuna. Snimiti samo procitane artikle?";
constexpr int EmptyGridRows = 2; // heading and one empty row

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
    // Without a connection the list is loaded for the saved tills: only examining it
    // needs no register.
    BitBtnSort->setEnabled(Connected);
    BitBtnSend->setEnabled(Connected);
    BitBtnSendChanges->setEnabled(Connected);
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
    WindowLog log(*this);
    return LoadArticleFileLogged(NativePath(path), ToECRString(path), ArticlesPC, log);
}

bool TFormMain::SaveArticleFile(const QString& path) {
    const bool saved = SaveArticleList(NativePath(path), ArticlesECR);
    if (!saved) {
        Log(CannotSave.arg(path));
    }
    return saved;
}
