#include "mainwin/ChosenFile.h"

#include "platform/gui/Dialogs.h"

bool LoadChosenFile(TStringList& lines, const std::string& path) {
  try {
    lines.LoadFromFile(path);
    return true;
  } catch (const std::exception&) {
    ShowMessage("Файл не удаётся открыть");
    return false;
  }
}
