#include "mainwin/PinPlacement.h"

#include <algorithm>
#include <array>

#include "mainwin/PinRole.h"
#include "mainwin/RoleNames.h"
#include "platform/text/Conversions.h"

namespace {

// The text between two positions (exclusive), empty when there is none; a missing
// delimiter gives no text, so its bound fails to convert.
std::string Between(const std::string& text, std::size_t after, std::size_t before) {
  if (after == std::string::npos || before == std::string::npos || before <= after + 1) return {};
  return text.substr(after + 1, before - after - 1);
}

void SetWidth(PINStruct& pin, const std::string& name) {
  const std::optional<TBusRange> range = BusRangeOf(name);
  if (!range) {
    // Bit 0 also where a refused attempt left a bus in this entry, whose low bit
    // would otherwise label the pin in the result window.
    pin.BitWidth = 1;
    pin.LowBit = 0;
    return;
  }
  pin.BitWidth = range->Hi - range->Lo + 1;
  pin.LowBit = range->Lo;
  pin.Value = "0";
}

// Gives each pin its column as it arrives in grid order. The input side counts
// the project's reset pin from the start, so a reset listed after the status,
// control or memory-output pins still takes column 3 and moves them all. On the
// output side each optional flag takes the last column when it arrives and the
// output-side pins already placed move left to make room.
class TColumnPlacer {
public:
  TColumnPlacer(int pinCount, int projectResets) : K(pinCount), InputShift(projectResets) {}

  void Place(int row, int role) {
    PINStruct& pin = Pins[row - 1];
    switch (role) {
      case prClock: pin.Column = 1; break;
      case prInputData: pin.Column = 2; break;
      case prReset:
        pin.Column = 3;
        SignalColumns.ResetColumn = 3;
        ++ResetCount;
        HasReset = true;
        break;
      case prStatus: pin.Column = InputShift + 3; break;
      case prControl: pin.Column = InputShift + 4; break;
      case prMemoryOutput: pin.Column = InputShift + 4 + ++MemoryOutputs; break;
      case prOutputData:
        pin.Column = K - 2 - FlagsBeyondOne();
        SignalColumns.OutputDataColumn = pin.Column;
        break;
      case prEndOfOperation:
        pin.Column = K - 1 - FlagsBeyondOne();
        SignalColumns.EndOfOperationColumn = pin.Column;
        break;
      case prPrs: PlacePrs(row, pin); break;
      case prPmr: PlacePmr(row, pin); break;
      case prDivByZero: PlaceDivByZero(row, pin); break;
      default: pin.Column = 0; break;  // no role of the list: no column
    }
  }

private:
  // How many of the three optional-side flags beyond the first are set.
  int FlagsBeyondOne() const { return std::max(0, HasPRS + HasPMR + HasDivByZero - 1); }

  void PlacePrs(int row, PINStruct& pin) {
    pin.Column = SignalColumns.PrsColumn = K;
    HasPRS = true;
    if (HasDivByZero && HasPMR) {
      ShiftTailColumns(1, row);
      SignalColumns.PrsColumn = --pin.Column;
    } else if (HasDivByZero || HasPMR) {
      ShiftTailColumns(1, row);
    }
  }

  void PlacePmr(int row, PINStruct& pin) {
    pin.Column = SignalColumns.PmrColumn = K;
    HasPMR = true;
    if (HasDivByZero) ShiftTailColumns(0, row);
    else if (HasPRS) ShiftTailColumns(1, row);
  }

  void PlaceDivByZero(int row, PINStruct& pin) {
    pin.Column = SignalColumns.DivByZeroColumn = K;
    HasDivByZero = true;
    if (HasPRS || HasPMR) ShiftTailColumns(0, row);
  }

  const int K;
  const int InputShift;
  int MemoryOutputs = 0;
};

// The seven roles every project must have.
constexpr std::array<TPinRole, 7> ObligatoryRoles = {
    prInputData, prClock, prStatus, prControl, prOutputData, prEndOfOperation, prPrs};

// Every obligatory role present, and no role but the memory outputs given to two
// pins, whatever their names.
bool RolesAccepted(const std::array<int, RoleNames.size()>& presence) {
  for (TPinRole role : ObligatoryRoles)
    if (presence[role] == 0) return false;
  for (std::size_t role = 0; role < presence.size(); ++role)
    if (role != prMemoryOutput && presence[role] > 1) return false;
  return true;
}

void MapColumnsToRows(int pinCount) {
  for (int row = 1; row <= pinCount; ++row) {
    const int column = Pins[row - 1].Column;
    if (column >= 1 && column < PinTableSize) PinByColumn[column] = row;
  }
}

}  // namespace

std::optional<TBusRange> BusRangeOf(const std::string& name) {
  const std::size_t dots = name.find("..");
  if (dots == std::string::npos) return std::nullopt;
  const std::size_t open = name.find('[');
  const std::size_t close = name.find(']');
  // Without a "[" the upper bound starts at the name's first character.
  const std::string hi = open == std::string::npos ? name.substr(0, dots) : Between(name, open, dots);
  return TBusRange{StrToInt(hi), StrToInt(Between(name, dots + 1, close))};
}

void ShiftTailColumns(int mode, int count) {
  for (int i = 0; i < std::min(count, PinTableSize); ++i) {
    PINStruct& pin = Pins[i];
    int* field = nullptr;
    switch (RoleIndexOf(pin.Role)) {
      case prPrs: field = &SignalColumns.PrsColumn; break;
      case prOutputData: field = &SignalColumns.OutputDataColumn; break;
      case prEndOfOperation: field = &SignalColumns.EndOfOperationColumn; break;
      case prPmr: field = mode == 0 ? &SignalColumns.PmrColumn : nullptr; break;
      default: break;
    }
    if (field) *field = --pin.Column;
  }
}

void ClearPinEntries() {
  for (PINStruct& pin : Pins) pin = PINStruct{};
  for (int& row : PinByColumn) row = 0;
}

void EmptyPinStrings() {
  for (PINStruct& pin : Pins) {
    pin.Role.clear();
    pin.BaseName.clear();
    pin.Value.clear();
  }
}

bool FillPinTable(const std::vector<TPinRow>& rows) {
  const int pinCount = static_cast<int>(std::min<std::size_t>(rows.size(), MaxPins));
  ResetCount = 0;
  HasPRS = HasPMR = HasDivByZero = HasReset = false;
  SignalColumns = TSignalColumns{};

  const auto resets = std::count_if(rows.begin(), rows.begin() + pinCount,
                                    [](const TPinRow& row) { return RoleIndexOf(row.Role) == prReset; });
  TColumnPlacer placer(pinCount, static_cast<int>(resets));
  std::array<int, RoleNames.size()> presence{};
  bool everyRoleKnown = true;
  for (int row = 1; row <= pinCount; ++row) {
    const TPinRow& cells = rows[static_cast<std::size_t>(row - 1)];
    PINStruct& pin = Pins[row - 1];
    pin.BaseName = BaseNameOf(cells.Name);
    pin.Role = cells.Role;
    const int role = RoleIndexOf(cells.Role);
    if (role >= 0) ++presence[static_cast<std::size_t>(role)];
    else everyRoleKnown = false;
    placer.Place(row, role);
    pin.IsOutput = cells.Type != "Input";
    SetWidth(pin, cells.Name);
  }
  MapColumnsToRows(pinCount);
  return everyRoleKnown && RolesAccepted(presence);
}
