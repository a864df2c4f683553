#include "platform/gui/Application.h"

#include <filesystem>

#include "platform/gui/Backend.h"
#include "platform/gui/Form.h"
#include "platform/text/Exceptions.h"

TApplication* Application = nullptr;

TApplication::TApplication(Backend& backend, std::string exeName)
    : TComponent(nullptr), FBackend(backend), FExeName(std::move(exeName)) {}

TApplication::~TApplication() {
  if (Application == this) Application = nullptr;
}

std::string TApplication::ExeDir() const {
  std::string dir = std::filesystem::path(FExeName).parent_path().string();
  if (dir.empty() || dir.back() != '/') dir += '/';
  return dir;
}

std::string ExceptionDisplayText(const std::string& message) {
  if (message.empty() || static_cast<unsigned char>(message.back()) <= '.') return message;
  return message + ".";
}

void TApplication::Dispatch(const std::function<void()>& action) {
  try {
    action();
  } catch (const Exception& e) {
    ShowException(e);
  } catch (const std::exception& e) {
    ShowException(Exception(e.what()));
  }
  FBackend.Sync();
}

void TApplication::ShowException(const Exception& e) {
  FBackend.ShowMessageBox({TMsgDlgType::mtError, mbOK, Title, ExceptionDisplayText(e.Message)});
}

void TApplication::Run() {
  if (FTerminated || !MainForm) return;
  FBackend.RunMessageLoop();
}

void TApplication::Terminate() {
  if (FTerminated) return;
  FTerminated = true;
  FBackend.Quit();
}

void TApplication::HelpCommand(int command, int data) {
  FBackend.OpenHelp({HelpFile, command, data});
}
