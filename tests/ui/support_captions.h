#pragma once

#include <QSize>
#include <QStringList>

class QWidget;
class TFormMain;
class TProgressBox;

// The main window's starting size, at which every caption must fit.
extern const QSize StartingWindowSize;

// "BitBtnSendChanges 88 < 104" for each shown button, check box or label of `window`
// (not of a dialog it owns) that is narrower than its own size hint.
QStringList CutShortCaptions(QWidget& window);
// Shows each page of the main window in turn and gathers what is cut short on it.
QStringList CutShortOnEveryPage(TFormMain& form);
// Shows the main window, each of its pages and then the progress box over it, as the
// program starts: what is cut short on any of them, and whatever kept the check from
// being made (a window not shown, a size that is not the starting one).
QStringList CutShortAtStart(TFormMain& form, TProgressBox& box);
