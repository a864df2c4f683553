// Writing the input vector table ("Входной вектор").
#include "mainwin/UMain.h"

void TFMain::N7Click(TObject*) {}
