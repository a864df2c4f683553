#include "platform/gui/Controls.h"

#include <algorithm>

#include "platform/gui/Application.h"
#include "platform/text/Conversions.h"
#include "platform/text/Exceptions.h"
#include "platform/text/Utf8.h"

void TRadioGroup::ChooseItem(int index) {
  if (!IsReachable() || index < 0 || index >= static_cast<int>(Items.size())) return;
  Application->Dispatch([this, index] {
    if (index == ItemIndex) return;
    ItemIndex = index;
    if (OnClick) OnClick(this);
  });
}

void TUpDown::SetPosition(int position) {
  Position = std::clamp(position, Min, Max);
  if (Associate) Associate->Text = IntToStr(Position);
}

void TUpDown::ClickUp() {
  if (!IsReachable()) return;
  Application->Dispatch([this] {
    int next = Position + Increment;
    if (next > Max) next = Wrap ? Min : Max;
    SetPosition(next);
    if (OnClick) OnClick(this);
  });
}

void TUpDown::ClickDown() {
  if (!IsReachable()) return;
  Application->Dispatch([this] {
    int next = Position - Increment;
    if (next < Min) next = Wrap ? Max : Min;
    SetPosition(next);
    if (OnClick) OnClick(this);
  });
}

void TComboBox::ChooseItem(int index) {
  if (!IsReachable() || index < 0 || index >= static_cast<int>(Items.size())) return;
  Application->Dispatch([this, index] {
    ItemIndex = index;
    Text = Items[static_cast<std::size_t>(index)];
    if (OnChange) OnChange(this);
  });
}

void TComboBox::TypeKey(char32_t key) {
  if (!IsReachable()) return;
  Application->Dispatch([this, key] {
    char32_t k = key;
    if (OnKeyPress) OnKeyPress(this, k);
    if (k == 0) return;
    if (k == VK_BACK) Text = utf8::DropLast(Text);
    else if (k >= 32) utf8::Append(Text, k);
    ItemIndex = -1;
    if (OnChange) OnChange(this);
  });
}

TStringGrid::TStringGrid(TComponent* owner) : TWinControl(owner) {
  SetColCount(5);
  SetRowCount(5);
}

void TStringGrid::SetColCount(int count) {
  count = std::max(count, 1);
  ColWidths.resize(static_cast<std::size_t>(count), 64);
  for (auto& row : FCells) row.resize(static_cast<std::size_t>(count));
  Col = std::min(Col, count - 1);
}

void TStringGrid::SetRowCount(int count) {
  count = std::max(count, 1);
  FCells.resize(static_cast<std::size_t>(count),
                std::vector<std::string>(static_cast<std::size_t>(ColCount())));
  Row = std::min(Row, count - 1);
}

std::string& TStringGrid::Cells(int col, int row) {
  if (col < 0 || col >= ColCount() || row < 0 || row >= RowCount())
    throw EStringListError("Ячейка таблицы вне диапазона (" + std::to_string(col) + ", " +
                           std::to_string(row) + ")");
  return FCells[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
}

const std::string& TStringGrid::Cells(int col, int row) const {
  return const_cast<TStringGrid*>(this)->Cells(col, row);
}

void TStringGrid::SelectCell(int col, int row) {
  if (!IsReachable() || col < 0 || col >= ColCount() || row < FixedRows || row >= RowCount())
    return;
  Application->Dispatch([this, col, row] {
    bool canSelect = true;
    if (OnSelectCell) OnSelectCell(this, col, row, canSelect);
    // The handler may have cut the grid back meanwhile.
    if (!canSelect || col >= ColCount() || row >= RowCount()) return;
    Col = col;
    Row = row;
  });
}
