#pragma once

#include <QDialog>

class QProgressBar;
class QPushButton;

// The small window that shows how far a long operation has got. It keeps the screen
// repainting while the operation blocks the user-interface thread, and offers to stop it.
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
    // The bar at `position` of a new maximum, for an operation whose own event loop keeps
    // the screen going: no events are let through here.
    void SetPosition(int position, int maximum);

    QProgressBar* ProgressBar = nullptr;
    QPushButton* ButtonStop = nullptr;

signals:
    // "Prekini": the running operation should stop at its next chance, between two
    // exchanges with the register.
    void StopPressed();

public slots:
    // Escape and the window's close request press "Prekini": the operation decides when
    // the box goes, never the user.
    void reject() override;
};

extern TProgressBox* ProgressBox;
