#pragma once
// A run of the program: the application object, the ten windows created in their
// order, the message loop, the end.
#include <string>

class Backend;

// Creates the application object on the backend and the ten windows, with every
// unit's state at its start values. Tests start each case this way.
void StartRun(Backend& backend, const std::string& exeName);
// Frees the application with its windows.
void EndRun();
// The whole program: start, message loop, end. Returns 0.
int WinMain(Backend& backend, const std::string& exeName);
