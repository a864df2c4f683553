#pragma once
// Requests that leave the program: starting another program.
#include <string>

constexpr int SW_SHOWNORMAL = 1;

// Asks the desktop to run `verb` on `file`; the result is not reported back.
void ShellExecute(const std::string& verb, const std::string& file, const std::string& parameters,
                  const std::string& directory, int showCommand);
