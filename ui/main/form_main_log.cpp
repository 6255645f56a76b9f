#include "ui/main/form_main.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <initializer_list>

#include "ecr/talon_ecr.h"
#include "operations/register_log.h"
#include "ui/common/text_convert.h"

namespace {

void SetEnabled(std::initializer_list<QWidget*> controls, bool enabled) {
    for (QWidget* control : controls) {
        control->setEnabled(enabled);
    }
}

// An empty log and a log of one empty line look alike in the text box, so the document
// holding nothing but one empty block is told apart by this property.
const char* const LineCountProperty = "logLines";

int LineCount(const QPlainTextEdit* memo) {
    const QVariant stored = memo->property(LineCountProperty);
    return stored.isValid() ? stored.toInt() : memo->document()->blockCount();
}

} // namespace

void TFormMain::Log(const QString& text) {
    const int lines = LineCount(MemoLog);
    QTextCursor cursor(MemoLog->document());
    cursor.movePosition(QTextCursor::End);
    if (lines > 0) {
        cursor.insertBlock();
    }
    cursor.insertText(text);
    MemoLog->setProperty(LineCountProperty, lines + 1);
    // The newest line is the one to see.
    MemoLog->verticalScrollBar()->setValue(MemoLog->verticalScrollBar()->maximum());
}

void TFormMain::Log(const ECRString& text) {
    Log(ToQString(text));
}

void TFormMain::LogError() {
    if (!ECR) {
        return;
    }
    Log(RegisterErrorLine(*ECR));
}

void TFormMain::LogLinkError(const ECRError& error) {
    Log(LinkErrorLine(error));
}

void TFormMain::BitBtnClearLogClick() {
    MemoLog->clear();
    MemoLog->setProperty(LineCountProperty, 0);
}

void TFormMain::UpdateControls() {
    SetEnabled({ComboBoxPort, EditPassword, BitBtnConnect}, !Connected);
    UpdateSpeedBox();
    SetEnabled({BitBtnDisconnect, CheckBoxPrint, BitBtnOpen, BitBtnList, BitBtnStatus}, Connected);
    // Every connect and disconnect starts the lists afresh: a file is loaded or the
    // register listed again before the list commands make sense.
    SetEnabled({BitBtnSort, BitBtnExamine, BitBtnSend, BitBtnSendChanges, BitBtnSave, BitBtnErase,
                BitBtnEraseAll},
               false);
    StringGridPC->hide();
    StringGridECR->hide();
    ListIncomplete = false;
    SetEnabled({BitBtnClearLog, MemoLog, PageControl}, true);
}
