#pragma once
// What the control model asks of the toolkit behind it: the calls that block
// (message boxes, the open dialog, a modal window, the message loop), showing the
// model on screen, the clipboard, and the requests that leave the program (help,
// shell).
#include <string>

#include "platform/gui/Types.h"

class TForm;
class TOpenDialog;

struct MessageBoxRequest {
  TMsgDlgType Type;
  TMsgDlgButtons Buttons;
  std::string Caption;
  std::string Text;
};

struct HelpRequest {
  std::string HelpFile;
  int Command;
  int Data;
};

struct ShellRequest {
  std::string Verb;
  std::string File;
  std::string Parameters;
  std::string Directory;
  int ShowCommand;
};

class Backend {
public:
  virtual ~Backend() = default;
  // Shows a modal message box; returns the button pressed (mrOk, mrCancel, ...).
  virtual int ShowMessageBox(const MessageBoxRequest& request) = 0;
  // Runs the open dialog; on confirm stores the chosen path in its FileName and
  // returns true.
  virtual bool ExecuteOpenDialog(TOpenDialog& dialog) = 0;
  // Runs until the window is hidden or its modal result is set.
  virtual void RunModal(TForm& form) = 0;
  // Shows the application's main window and runs until the application terminates.
  virtual void RunMessageLoop() = 0;
  // Called when the application terminates.
  virtual void Quit() = 0;
  // Brings the screen in line with the model.
  virtual void Sync() = 0;
  // The text on the clipboard the program shares with others.
  virtual std::string ClipboardText() = 0;
  virtual void SetClipboardText(const std::string& text) = 0;
  virtual void OpenHelp(const HelpRequest& request) = 0;
  virtual void ShellExecute(const ShellRequest& request) = 0;
};
