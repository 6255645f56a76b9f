#pragma once

#include "articles/article_table.h"
#include "cli/exit_status.h"

struct CliOptions;
struct PortTarget;
class ImageKeeper;
class PortLog;
class PortProgress;
class Reconnection;
class TalonECR;
class TerminalOutput;

// What a verb works with on one connected register.
struct VerbContext {
    TalonECR& ECR;
    const CliOptions& Options;
    ArticleTable& Articles; // send: the loaded file (this register's own copy)
    PortLog& Log;
    PortProgress& Progress;
    TerminalOutput& Out;
    ImageKeeper& Image;
    const PortTarget& Target;
    Reconnection* Reconnect; // a network link's: takes up a connection lost while writing
};

ExitStatus RunStatus(VerbContext& context);
ExitStatus RunList(VerbContext& context);
ExitStatus RunSend(VerbContext& context);
ExitStatus RunErase(VerbContext& context);
ExitStatus RunSync(VerbContext& context);
// history --port: the record of changes of the register connected.
ExitStatus RunHistory(VerbContext& context);
// history --register NAME, or of every register: no register is connected.
ExitStatus PrintHistory(const CliOptions& options, TerminalOutput& out);
// registers: the saved tills listed, added or removed; no register is connected.
ExitStatus RunRegisters(const CliOptions& options, TerminalOutput& out);
