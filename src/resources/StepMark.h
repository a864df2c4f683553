#pragma once
// The step mark of the main window: a green tick on white (the white is drawn
// transparent), as an XPM picture.
extern const char* const StepMarkXpm[];
