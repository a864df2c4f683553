// Opening the simulation result table ("Результат симуляции").
#include "mainwin/UMain.h"

void TFMain::N12Click(TObject*) {}
