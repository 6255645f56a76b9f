#pragma once

#include <QSize>
#include <QStringList>

class QWidget;
class TFormMain;

// The main window's starting size, at which every caption must fit.
extern const QSize StartingWindowSize;

// "BitBtnSendChanges 88 < 104" for each shown button, check box or label of `window`
// (not of a dialog it owns) that is narrower than its own size hint.
QStringList CutShortCaptions(QWidget& window);
// Shows each page of the main window in turn and gathers what is cut short on it.
QStringList CutShortOnEveryPage(TFormMain& form);
