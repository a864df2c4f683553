#pragma once
// The value fields of the result window in step mode: which pins are shown bit by
// bit, where each field stands and what its label says, building them at the
// opening, refreshing them after a step and taking them away at the closing.
#include <string>

#include "results/ProjectPins.h"
#include "results/UResult.h"

// A status bus (column 3 or 4, named p or P) or a control bus (column 4 or 5,
// named y or Y) is shown one field per bit; any other pin, and a bus too wide
// for the field table, in one field.
enum class BusKind { None, Status, Control };
BusKind BitBusKind(const PINStruct& pin);

// The height of an edit in the window's font.
constexpr int DefaultEditHeight = 21;

// How the one field of a pin that is not shown bit by bit looks by default.
struct SingleFieldLook {
  std::string Label;
  bool Movable = false;  // the user may move it with Shift and the left button
  int Left = 0, Top = 0;
};
SingleFieldLook LookOfSingleField(const PINStruct& pin, int width, int clientWidth);

// The width of a one-field value: 6.5 pixels a bit and a margin.
int SingleFieldWidth(int bitWidth);

// Creates the fields of every column on the window, at their default places or,
// once the layout has been customised, where they stood at the last closing.
void BuildValueFields(TFResult* form, const ProjectPins& pins);
// Records the place of every field for the next opening.
void SaveValueFieldPlaces();
// Takes every field off the window and frees it.
void RemoveValueFields();
