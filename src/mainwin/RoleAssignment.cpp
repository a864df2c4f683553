// Giving the pins their roles, by hand in the role dialog or automatically.
#include "mainwin/UMain.h"

void TFMain::StringGrid1SelectCell(TObject*, int, int, bool&) {}

void TFMain::StringGrid1DblClick(TObject*) {}
