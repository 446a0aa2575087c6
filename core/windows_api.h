#pragma once

// The Windows API without the min/max macros that break the standard library, and without
// the rarely used parts that slow every build.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
