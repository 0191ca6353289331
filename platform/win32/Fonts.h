#pragma once
#include "Win32.h"

// The system font for a description, created once and kept for the run.
// Where the asked face is missing and the system would put a fixed-width
// face in its place, an installed proportional Japanese face is used.
HFONT FontHandle(const TFont& font);
