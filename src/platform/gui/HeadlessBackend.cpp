#include "platform/gui/HeadlessBackend.h"

#include "platform/gui/Dialogs.h"
#include "platform/gui/Form.h"

bool HeadlessBackend::ScriptUsedUp() const {
  return FBoxAnswers.empty() && FDialogAnswers.empty() && FModalActions.empty();
}

int HeadlessBackend::ShowMessageBox(const MessageBoxRequest& request) {
  Boxes.push_back(request);
  if (request.Buttons == mbOK) return mrOk;
  if (FBoxAnswers.empty()) throw ScriptFailure{"no answer scripted for the box \"" + request.Text + "\""};
  const int answer = FBoxAnswers.front();
  FBoxAnswers.pop_front();
  return answer;
}

bool HeadlessBackend::ExecuteOpenDialog(TOpenDialog& dialog) {
  DialogsRun.emplace_back(dialog.Filter, dialog.FilterIndex);
  if (FDialogAnswers.empty()) throw ScriptFailure{"no answer scripted for the open dialog"};
  const auto answer = FDialogAnswers.front();
  FDialogAnswers.pop_front();
  if (!answer) return false;
  dialog.FileName = *answer;
  return true;
}

void HeadlessBackend::RunModal(TForm& form) {
  if (FModalActions.empty())
    throw ScriptFailure{"no action scripted for the modal window \"" + form.Caption + "\""};
  const auto action = std::move(FModalActions.front());
  FModalActions.pop_front();
  action(form);
  if (form.Visible && form.ModalResult == mrNone)
    throw ScriptFailure{"the modal window \"" + form.Caption + "\" was left open"};
}
