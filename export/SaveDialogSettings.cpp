#include "SaveDialogSettings.h"

#include "app/AppTexts.h"

TSaveDialogSettings SaveDigSettings() {
  TSaveDialogSettings settings;
  settings.FileName = AppTexts::DefaultFileName;
  settings.Filter = AppTexts::SaveFilter;
  settings.FilterIndex = 1;
  settings.Options = ofHideReadOnly;  // no overwrite prompt: the command asks its own question
  return settings;
}
