#pragma once

// <windows.h> with only the base API: the full header turns names such as SetPort (a
// printer call) and FindText (a dialog call) into macros that would rename our own
// members, and min/max into macros that break the standard library's. Windows files
// include this instead of <windows.h>.
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
