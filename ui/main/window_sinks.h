#pragma once

#include "operations/operation_sinks.h"

class TFormMain;

// The window's log box as an operation's log.
class WindowLog : public LogSink {
public:
    explicit WindowLog(TFormMain& form) : Form(form) {}
    void Line(const ECRString& text) override;

private:
    TFormMain& Form;
};

// The window's progress box as an operation's progress. The window's bars count one more
// than the operation where the grid's heading row is counted with the articles.
class WindowProgress : public ProgressSink {
public:
    explicit WindowProgress(TFormMain& form, int extraRange = 0)
        : Form(form), ExtraRange(extraRange) {}
    void Begin(int min, int max) override;
    void Step(int n) override;
    void End() override;
    bool StopRequested() override; // the progress box's "Prekini"

private:
    TFormMain& Form;
    int ExtraRange;
};
