#include "mainwin/ProgramStart.h"

#include "access/UAut.h"
#include "access/UNewPass.h"
#include "access/UPass.h"
#include "mainwin/PinTable.h"
#include "mainwin/UAssign.h"
#include "mainwin/UMain.h"
#include "minimize/UMinimize.h"
#include "platform/gui/Forms.h"
#include "results/UFreslook.h"
#include "results/UResult.h"
#include "results/UResultConv.h"
#include "settings/SettingU.h"

namespace {

void CreateProgramWindows() {
  Application->CreateForm(FPassw);
  Application->CreateForm(FMain);
  Application->CreateForm(FSetting);
  Application->CreateForm(FAssign);
  Application->CreateForm(FResult);
  Application->CreateForm(FMinimize);
  Application->CreateForm(FResConv);
  Application->CreateForm(FAut);
  Application->CreateForm(FResLook);
  Application->CreateForm(FNewPass);
}

void ForgetProgramWindows() {
  FPassw = nullptr;
  FMain = nullptr;
  FSetting = nullptr;
  FAssign = nullptr;
  FResult = nullptr;
  FMinimize = nullptr;
  FResConv = nullptr;
  FAut = nullptr;
  FResLook = nullptr;
  FNewPass = nullptr;
}

}  // namespace

void StartRun(Backend& backend, const std::string& exeName) {
  EndRun();
  ResetPinTable();
  Application = new TApplication(backend, exeName);
  CreateProgramWindows();
}

void EndRun() {
  delete Application;
  Application = nullptr;
  ForgetProgramWindows();
}

int WinMain(Backend& backend, const std::string& exeName) {
  try {
    StartRun(backend, exeName);
    Application->Run();
  } catch (const Exception& e) {
    if (Application) Application->ShowException(e);
  } catch (...) {
    if (Application) Application->ShowException(Exception(""));
  }
  EndRun();
  return 0;
}
