// Finishing the input: the pin grid becomes the pin table.
#include "mainwin/UMain.h"

void TFMain::N17Click(TObject*) {}
