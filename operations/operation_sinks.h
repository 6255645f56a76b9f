#pragma once

#include "text/log_sink.h"

// How far a register operation has got. The window shows it in its progress box, the
// command line as a bar on the terminal.
class ProgressSink {
public:
    virtual ~ProgressSink() = default;
    virtual void Begin(int min, int max) = 0;
    virtual void Step(int n) = 0;
    virtual void End() = 0;
    // Asked between two exchanges: true ends the operation there, the exchange on the
    // line always completes.
    virtual bool StopRequested() { return false; }
};

// For operations whose progress nobody watches.
class NoProgress : public ProgressSink {
public:
    void Begin(int, int) override {}
    void Step(int) override {}
    void End() override {}
};
