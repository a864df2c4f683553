#include "platform/gui/Dialogs.h"

#include "platform/gui/Application.h"
#include "platform/gui/Backend.h"

namespace {
std::string CaptionOf(TMsgDlgType type) {
  switch (type) {
    case TMsgDlgType::mtWarning: return "Предупреждение";
    case TMsgDlgType::mtError: return "Ошибка";
    case TMsgDlgType::mtInformation: return "Информация";
    case TMsgDlgType::mtConfirmation: return "Подтверждение";
    case TMsgDlgType::mtCustom: break;
  }
  return Application->Title;
}
}  // namespace

int MessageDlg(const std::string& message, TMsgDlgType type, TMsgDlgButtons buttons, int) {
  Backend& backend = Application->GetBackend();
  backend.Sync();
  return backend.ShowMessageBox({type, buttons, CaptionOf(type), message});
}

void ShowMessage(const std::string& message) {
  MessageDlg(message, TMsgDlgType::mtCustom, mbOK, 0);
}

bool TOpenDialog::Execute() {
  Backend& backend = Application->GetBackend();
  backend.Sync();
  return backend.ExecuteOpenDialog(*this);
}
