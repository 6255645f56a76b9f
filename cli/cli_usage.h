#pragma once

extern const char CliUsage[];
extern const char CliVersion[];
