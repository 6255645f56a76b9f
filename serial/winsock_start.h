#pragma once

// Windows: Winsock serves a process only after WSAStartup, and once is enough for its
// whole life. True when it is ready.
bool StartWinsock();
