#include "results/ValueFields.h"

#include <cstdint>

#include "mainwin/PinRole.h"
#include "mainwin/RoleNames.h"

namespace {

constexpr int FirstFieldTop = 20;
constexpr int LastFieldTop = 250;  // a bit column that reaches below this starts anew at the top
constexpr int BitFieldWidth = 15;
constexpr int BitColumnStep = 30;

bool NamedOneOf(const PINStruct& pin, const char* small, const char* capital) {
  return pin.BaseName == small || pin.BaseName == capital;
}

TLabeledEdit* NewField(TFResult* form) {
  auto* field = new TLabeledEdit(form);
  field->Enabled = true;
  field->ReadOnly = true;
  field->Height = DefaultEditHeight;
  field->SetParent(form);
  return field;
}

void PlaceBitField(TLabeledEdit* field, BusKind kind, const TLabeledEdit* previous, const TEditPos& saved) {
  if (LayoutCustomised) {
    field->Left = saved.Left;
    field->Top = saved.Top;
    return;
  }
  if (!previous) {
    field->Left = kind == BusKind::Status ? 20 : 550;
    field->Top = FirstFieldTop;
  } else {
    field->Left = previous->Left;
    field->Top = previous->Top + previous->Height + 1;
  }
  if (field->Top > LastFieldTop) {
    field->Left += kind == BusKind::Status ? BitColumnStep : -BitColumnStep;
    field->Top = FirstFieldTop;
  }
}

void BuildBitFields(TFResult* form, int column, const PINStruct& pin, BusKind kind) {
  const TLabeledEdit* previous = nullptr;
  for (int j = 0; j < pin.BitWidth; ++j) {
    TLabeledEdit* field = ValueEdits[column - 1][j] = NewField(form);
    field->Width = BitFieldWidth;
    field->Text = CharacterAt(pin.Value, j);
    const std::string bit = IntToStr(static_cast<std::int64_t>(pin.LowBit) + (pin.BitWidth - 1 - j));
    if (kind == BusKind::Status) {
      field->EditLabel.Caption = "P" + bit;
      field->LabelPosition = TLabelPosition::lpLeft;
    } else {
      field->EditLabel.Caption = "y" + bit;
      field->LabelPosition = TLabelPosition::lpRight;
    }
    PlaceBitField(field, kind, previous, SavedEditPos[column - 1][j]);
    previous = field;
  }
}

void BindMoving(TFResult* form, TLabeledEdit* field) {
  field->OnMouseDown = [form](TObject* s, TMouseButton b, TShiftState sh, int x, int y) {
    form->LEMouseDown(s, b, sh, x, y);
  };
  field->OnMouseMove = [form](TObject* s, TShiftState sh, int x, int y) { form->LEMouseMove(s, sh, x, y); };
  field->OnMouseUp = [form](TObject* s, TMouseButton b, TShiftState sh, int x, int y) {
    form->LEMouseUp(s, b, sh, x, y);
  };
}

void BuildSingleField(TFResult* form, int column, const PINStruct& pin) {
  TLabeledEdit* field = ValueEdits[column - 1][0] = NewField(form);
  if (pin.Column == 1) field->Visible = false;  // the clock is kept but never shown
  field->Width = SingleFieldWidth(pin.BitWidth);
  field->Text = pin.Value;
  field->LabelPosition = TLabelPosition::lpAbove;
  const SingleFieldLook look = LookOfSingleField(pin, field->Width, form->ClientWidth);
  field->EditLabel.Caption = look.Label;
  if (look.Movable) BindMoving(form, field);
  const TEditPos& saved = SavedEditPos[column - 1][0];
  field->Left = LayoutCustomised ? saved.Left : look.Left;
  field->Top = LayoutCustomised ? saved.Top : look.Top;
}

}  // namespace

BusKind BitBusKind(const PINStruct& pin) {
  if (pin.BitWidth > FieldTableSize) return BusKind::None;
  if (pin.Column == 3 && NamedOneOf(pin, "p", "P")) return BusKind::Status;
  if (pin.Column == 4 && NamedOneOf(pin, "y", "Y")) return BusKind::Control;
  if (pin.Column == 4 && NamedOneOf(pin, "p", "P")) return BusKind::Status;
  if (pin.Column == 5 && NamedOneOf(pin, "y", "Y")) return BusKind::Control;
  return BusKind::None;
}

int SingleFieldWidth(int bitWidth) { return static_cast<int>(bitWidth * 6.5 + 10); }

SingleFieldLook LookOfSingleField(const PINStruct& pin, int width, int clientWidth) {
  const int centred = clientWidth / 2 - width / 2;
  if (pin.Column == 2) return {pin.Role, false, centred, 20};
  if (pin.Role == RoleNames[prOutputData]) return {pin.Role, false, centred, 300};
  if (pin.Role == RoleNames[prEndOfOperation]) return {pin.BaseName, false, 10, 300};
  if (pin.Role == RoleNames[prPrs]) return {pin.BaseName, false, 30, 300};
  if (pin.Role == RoleNames[prPmr]) return {pin.BaseName, false, 60, 300};
  if (pin.Role == RoleNames[prDivByZero]) return {pin.BaseName, false, 90, 300};
  return {pin.Column == 1 ? std::string() : pin.BaseName, true, 200, 100};
}

void BuildValueFields(TFResult* form, const ProjectPins& pins) {
  for (int column = 1; column <= pins.LastColumn(); ++column) {
    const PINStruct* pin = pins.PinOfColumn(column);
    if (!pin) continue;
    const BusKind kind = BitBusKind(*pin);
    if (kind == BusKind::None) BuildSingleField(form, column, *pin);
    else BuildBitFields(form, column, *pin, kind);
  }
}

void RefreshValueEdits() {
  const ProjectPins pins = CurrentProjectPins();
  for (int column = 1; column <= pins.LastColumn(); ++column) {
    const PINStruct* pin = pins.PinOfColumn(column);
    if (!pin) continue;
    TLabeledEdit* const* slots = ValueEdits[column - 1];
    if (BitBusKind(*pin) == BusKind::None) {
      if (slots[0]) slots[0]->Text = pin->Value;
      continue;
    }
    for (int j = 0; j < pin->BitWidth; ++j) {
      TLabeledEdit* field = slots[j];
      if (!field) continue;
      const std::string bit = CharacterAt(pin->Value, j);
      field->Font.Color = field->EditLabel.Font.Color = bit == "1" ? clRed : clBlack;
      field->Text = bit;
    }
  }
}

void SaveValueFieldPlaces() {
  for (int column = 0; column < FieldTableSize; ++column)
    for (int slot = 0; slot < FieldTableSize; ++slot)
      if (const TLabeledEdit* field = ValueEdits[column][slot]) SavedEditPos[column][slot] = {field->Left, field->Top};
}

void RemoveValueFields() {
  for (auto& column : ValueEdits)
    for (TLabeledEdit*& field : column) {
      delete field;  // leaves the window as it goes
      field = nullptr;
    }
  Dragging = false;
  DraggedEdit = nullptr;
}
