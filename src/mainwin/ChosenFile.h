#pragma once
// Reading a file the user has just chosen in an open dialog.
#include <string>

#include "platform/text/StringList.h"

// Loads the file into `lines`. When it cannot be read (no name, no such file, no
// access) the user is told "Файл не удаётся открыть" and false is returned.
bool LoadChosenFile(TStringList& lines, const std::string& path);
