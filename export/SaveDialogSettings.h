#pragma once
#include "SaveDialog.h"

// SaveDig's fixed settings; only its file name changes, with each confirmed dialog.
TSaveDialogSettings SaveDigSettings();
