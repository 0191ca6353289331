#include "PathList.h"

TStringList* PathList = nullptr;
