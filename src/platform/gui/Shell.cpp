#include "platform/gui/Shell.h"

#include "platform/gui/Application.h"
#include "platform/gui/Backend.h"

void ShellExecute(const std::string& verb, const std::string& file, const std::string& parameters,
                  const std::string& directory, int showCommand) {
  Application->GetBackend().ShellExecute({verb, file, parameters, directory, showCommand});
}
