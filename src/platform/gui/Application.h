#pragma once
// The application object: its title, the program's own path, the help file, the
// main window, the message loop, and the one dispatch through which every user
// action reaches a handler.
#include <functional>
#include <string>

#include "platform/gui/Component.h"

class Backend;
class Exception;
class TForm;

constexpr int HELP_FINDER = 11;

class TApplication : public TComponent {
public:
  TApplication(Backend& backend, std::string exeName);
  ~TApplication() override;

  std::string Title = "Opbench";
  std::string HelpFile;
  TForm* MainForm = nullptr;
  bool Terminated() const { return FTerminated; }
  // The program's own file, with its full path.
  const std::string& ExeName() const { return FExeName; }
  // The program's folder, ending in its path separator.
  std::string ExeDir() const;
  Backend& GetBackend() const { return FBackend; }

  // Creates a window owned by the application and stores it in `global` before
  // its create handler runs; the first window created is the main window. An
  // exception in the create handler is shown and the creation goes on.
  template <typename Form>
  void CreateForm(Form*& global) {
    global = new Form(this);
    if (!MainForm) MainForm = global;
    Dispatch([global] { if (global->OnCreate) global->OnCreate(global); });
  }

  // Runs one user action: an exception that escapes it is shown in the exception
  // display and the program goes on; then the screen is brought in line.
  void Dispatch(const std::function<void()>& action);
  // The exception display: an error box with the application's title and the
  // message, with a full stop added when the message ends in a character above ".".
  void ShowException(const Exception& e);
  void Run();
  void Terminate();
  // Passes a help command for HelpFile to the help viewer.
  void HelpCommand(int command, int data);

private:
  Backend& FBackend;
  std::string FExeName;
  bool FTerminated = false;
};

// The one application object of the run.
extern TApplication* Application;

// The message of the exception display for an exception's message.
std::string ExceptionDisplayText(const std::string& message);
