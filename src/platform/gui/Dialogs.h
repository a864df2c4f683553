#pragma once
// Message boxes and the open-file dialog.
#include <string>

#include "platform/gui/Component.h"

// A modal box of the given type and buttons; returns the button pressed.
int MessageDlg(const std::string& message, TMsgDlgType type, TMsgDlgButtons buttons, int helpContext);
// A plain box with the application's title and an OK button.
void ShowMessage(const std::string& message);

class TOpenDialog : public TComponent {
public:
  using TComponent::TComponent;
  // Pairs of description and pattern, separated by "|".
  std::string Filter;
  int FilterIndex = 1;  // 1-based
  std::string FileName;  // the last path chosen
  std::string Title;
  // Runs the dialog; true when the user chose a file, which FileName then holds.
  bool Execute();
};
