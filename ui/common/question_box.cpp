#include "ui/common/question_box.h"

#include <QMessageBox>
#include <QPushButton>

#include <memory>

namespace {

const char* const QuestionTitle = "TalonSendPLU";
const char* const QuestionName = "QuestionBox";
const char* const YesCaption = "Da";
const char* const NoCaption = "Ne";

} // namespace

QMessageBox* MakeQuestionBox(QWidget* parent, const QString& question) {
    auto* box = new QMessageBox(QMessageBox::Question, QString::fromLatin1(QuestionTitle), question,
                                QMessageBox::Yes | QMessageBox::No, parent);
    box->setObjectName(QString::fromLatin1(QuestionName));
    box->button(QMessageBox::Yes)->setText(QString::fromLatin1(YesCaption));
    box->button(QMessageBox::No)->setText(QString::fromLatin1(NoCaption));
    box->setDefaultButton(QMessageBox::No);
    box->setEscapeButton(QMessageBox::No);
    return box;
}

bool AskYesNo(QWidget* parent, const QString& question) {
    const std::unique_ptr<QMessageBox> box(MakeQuestionBox(parent, question));
    return box->exec() == QMessageBox::Yes;
}
