#pragma once

#include <QDialog>

class QProgressBar;

// The small window that shows how far a long operation has got. It keeps the screen
// repainting while the operation blocks the user-interface thread.
class TProgressBox : public QDialog {
    Q_OBJECT

public:
    explicit TProgressBox(QWidget* parent = nullptr);

    // Takes the range only when it is usable (max above min and above 0), starting at
    // min; otherwise hides the box and leaves the bar as it was.
    void SetRange(int min, int max);
    // Below the maximum: adds n, repaints and lets pending events through once.
    // At or past it: nothing at all.
    void Advance(int n);

    QProgressBar* ProgressBar = nullptr;

public slots:
    // Escape and the window's close request land here: the operation decides when the
    // box goes, never the user.
    void reject() override;
};

extern TProgressBox* ProgressBox;
