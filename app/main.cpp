#include "AppTexts.h"
#include "DForm.h"

int main() {
  Application->Initialize();
  Application->SetTitle(AppTexts::ApplicationTitle);
  Application->CreateForm(DForm);
  return Application->Run();
}
