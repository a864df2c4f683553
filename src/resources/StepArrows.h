#pragma once
// The arrows of the result window's "T-1" and "T+1" buttons, as XPM pictures.
extern const char* const ArrowBackXpm[];
extern const char* const ArrowForwardXpm[];
