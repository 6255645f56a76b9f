#pragma once

#include "text/ecr_string.h"

// Where an operation's log lines go, one at a time, as Windows-1251 text. The window
// shows them in its log, the command line on standard error.
class LogSink {
public:
    virtual ~LogSink() = default;
    virtual void Line(const ECRString& text) = 0;
};
