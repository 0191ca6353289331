#pragma once
#include "core/Strings.h"

// The full paths of the dropped items, in order of arrival; line i of the
// shown list belongs to entry i. Lives from the form's creation to its close.
extern TStringList* PathList;
