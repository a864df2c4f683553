#pragma once
// A backend without widgets, for tests. A test scripts what the user answers
// (message boxes, the open dialog, what to do in a window shown modally) and
// reads back everything the user would have been shown or asked for. A box or a
// modal window the script has no answer for, or a modal window the script leaves
// open, stops the test with a ScriptFailure instead of hanging.
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/gui/Backend.h"

class TForm;

// Raised when the run goes where the script did not expect. It is not an
// Exception, so the application's dispatch lets it through to the test.
struct ScriptFailure {
  std::string What;
};

class HeadlessBackend : public Backend {
public:
  // The answer to the next message box that offers a choice. A box with only
  // an OK button is answered with OK without a script.
  void AnswerNextBox(int result) { FBoxAnswers.push_back(result); }
  // The next open dialog confirms this path, or is cancelled.
  void ChooseFile(const std::string& path) { FDialogAnswers.emplace_back(path); }
  void CancelNextDialog() { FDialogAnswers.emplace_back(std::nullopt); }
  // What the user does in the next window shown modally; the window must be
  // closed by the end of it.
  void InNextModal(std::function<void(TForm&)> action) { FModalActions.push_back(std::move(action)); }

  std::vector<MessageBoxRequest> Boxes;
  std::vector<HelpRequest> HelpRequests;
  std::vector<ShellRequest> ShellRequests;
  // Filters of the open dialogs run, in order, with the filter index at the time.
  std::vector<std::pair<std::string, int>> DialogsRun;
  bool QuitCalled = false;
  // The clipboard: what the program cut or copied, or what a test puts there.
  std::string Clipboard;

  // Whether every scripted answer was used.
  bool ScriptUsedUp() const;

  int ShowMessageBox(const MessageBoxRequest& request) override;
  bool ExecuteOpenDialog(TOpenDialog& dialog) override;
  void RunModal(TForm& form) override;
  void RunMessageLoop() override {}
  void Quit() override { QuitCalled = true; }
  void Sync() override {}
  std::string ClipboardText() override { return Clipboard; }
  void SetClipboardText(const std::string& text) override { Clipboard = text; }
  void OpenHelp(const HelpRequest& request) override { HelpRequests.push_back(request); }
  void ShellExecute(const ShellRequest& request) override { ShellRequests.push_back(request); }

private:
  std::deque<int> FBoxAnswers;
  std::deque<std::optional<std::string>> FDialogAnswers;
  std::deque<std::function<void(TForm&)>> FModalActions;
};
