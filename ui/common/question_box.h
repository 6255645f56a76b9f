#pragma once

#include <QString>

class QMessageBox;
class QWidget;

// The program's only questions: a destructive click is confirmed first. "Da" goes on,
// "Ne" (the default, also Escape) leaves everything as it was.
QMessageBox* MakeQuestionBox(QWidget* parent, const QString& question);
// Shows the question and waits for the answer; true for "Da".
bool AskYesNo(QWidget* parent, const QString& question);
