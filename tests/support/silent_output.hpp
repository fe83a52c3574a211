// The audio library's output that plays into nothing: sounds really play (and end) on a
// machine without speakers, so their voices can be watched. Takes effect only before the
// audio library is first used in the process (CTest runs each test in a process of its own).
#pragma once

#include <cstdlib>

inline void useSilentAudioOutput() { setenv("ALSOFT_DRIVERS", "null", 0); }
