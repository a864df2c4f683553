#include "resources/StepArrows.h"

// A small blue arrow pointing left, 12 x 12 pixels.
const char* const ArrowBackXpm[] = {
    "12 12 2 1",
    "b c #0000C0",
    ". c None",
    "............",
    ".....b......",
    "....bb......",
    "...bbb......",
    "..bbbbbbbbb.",
    ".bbbbbbbbbb.",
    ".bbbbbbbbbb.",
    "..bbbbbbbbb.",
    "...bbb......",
    "....bb......",
    ".....b......",
    "............",
};

// The same arrow pointing right.
const char* const ArrowForwardXpm[] = {
    "12 12 2 1",
    "b c #0000C0",
    ". c None",
    "............",
    "......b.....",
    "......bb....",
    "......bbb...",
    ".bbbbbbbbb..",
    ".bbbbbbbbbb.",
    ".bbbbbbbbbb.",
    ".bbbbbbbbb..",
    "......bbb...",
    "......bb....",
    "......b.....",
    "............",
};
