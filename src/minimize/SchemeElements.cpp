#include "minimize/SchemeElements.h"

ElementTable SchemeElements;

void ResetSchemeElements() { SchemeElements.fill(Elements{}); }
