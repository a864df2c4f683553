// Finishing the input ("Завершить ввод"): the pin grid becomes the pin table.
#include <climits>
#include <cstdint>
#include <vector>

#include "mainwin/CountText.h"
#include "mainwin/PinPlacement.h"
#include "mainwin/PinRole.h"
#include "mainwin/UMain.h"

namespace {

std::vector<TPinRow> PinRowsOf(const TStringGrid& grid) {
  std::vector<TPinRow> rows;
  for (int row = 1; row < grid.RowCount(); ++row)
    rows.push_back({grid.Cells(0, row), grid.Cells(1, row), grid.Cells(2, row)});
  return rows;
}

bool EveryPinHasRole(const std::vector<TPinRow>& rows) {
  for (const TPinRow& row : rows)
    if (row.Role.empty()) return false;
  return true;
}

void ShowError(const std::string& text) { MessageDlg(text, TMsgDlgType::mtError, mbOK, 0); }

// A bus written from its low bit to its high one, such as X[0..7], would get a
// width below one; the user is told which pin and how to write it instead.
// A bound that is no integer raises the conversion error here.
bool RefuseLowToHighRange(const std::vector<TPinRow>& rows) {
  for (const TPinRow& row : rows) {
    const std::optional<TBusRange> range = BusRangeOf(row.Name);
    if (!range || range->Hi >= range->Lo) continue;
    ShowError("Вывод " + row.Name + ": диапазон шины записан от младшего бита к старшему. "
              "Запишите его как " + BaseNameOf(row.Name) + "[" +
              IntToStr(range->Lo) + ".." + IntToStr(range->Hi) + "].");
    return true;
  }
  return false;
}

// A bus whose bit numbers lie at the very ends of the integer range has a width, or
// a bit number one past its ends, that no integer holds; the vector table and the
// result window count through those numbers, so such a bus is refused by name, and
// so is a bus wider than any real datapath.
bool RefuseOutsizedRange(const std::vector<TPinRow>& rows) {
  for (const TPinRow& row : rows) {
    const std::optional<TBusRange> range = BusRangeOf(row.Name);
    if (!range) continue;
    const std::int64_t width = std::int64_t{range->Hi} - range->Lo + 1;
    if (range->Hi == INT_MAX || range->Lo == INT_MIN) {
      ShowError("Вывод " + row.Name + ": номера битов шины выходят за допустимые пределы.");
      return true;
    }
    if (width > MaxBusWidth) {
      ShowError("Вывод " + row.Name + ": шина шире " + IntToStr(MaxBusWidth) + " бит.");
      return true;
    }
  }
  return false;
}

}  // namespace

void TFMain::N17Click(TObject*) {
  if (InputFinished) return;
  const std::vector<TPinRow> rows = PinRowsOf(*StringGrid1);
  if (!EveryPinHasRole(rows)) {
    ShowError("Не все выводы проименованы");
    return;
  }
  if (rows.size() > static_cast<std::size_t>(MaxPins)) {
    ShowError("В проекте " + CountText(rows.size(), "вывод", "вывода", "выводов") +
              ", а допускается не более " + IntToStr(MaxPins) + ".");
    return;
  }
  // The vector table writer scans the whole table, and a finish undone by a new
  // schematic or a changed role builds it again: nothing of before may stay.
  ClearPinEntries();
  if (RefuseLowToHighRange(rows) || RefuseOutsizedRange(rows)) return;

  if (FillPinTable(rows)) {
    GateInputFinished();
    MessageDlg("Ввод завершён!", TMsgDlgType::mtInformation, mbOK, 0);
  } else {
    ShowError("Имеются повторяющиеся сигналы \n(пример - два синхронизирующих сигнала)\n"
              "Или отсутсвует один из обязательных сигналов");
    EmptyPinStrings();
  }
  StepThreeCheck();
}
