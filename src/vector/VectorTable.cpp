#include "vector/VectorTable.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "mainwin/PinTable.h"
#include "platform/text/Conversions.h"
#include "platform/text/FloatFormat.h"
#include "vector/VectorRowValues.h"

namespace {

// What the file is, as a comment at its head. Plain ASCII, as the rest of the
// table, so that every reader of the format takes it.
const std::array<const char*, 13> FileNotice = {
    "Input vector table of the operational unit under test,",
    "written by Opbench from the project's pin table and the",
    "settings accepted in it: the clock period, the operands",
    "X and Y, the time unit and the number of clock cycles.",
    "Each row of the table below gives the time of an instant",
    "and the value of every signal at that instant; the outputs",
    "are left as X for the simulator to fill in.",
    "Simulate the project with this table and save the",
    "simulator's Vector Table Output over this file, under the",
    "same name, with the group radix suffix. Opbench then opens",
    "the saved file as the result of the simulation and checks",
    "that its group lines are the ones written here. Writing the",
    "vector table again in Opbench replaces this file.",
};

// Number of pins in the table: entries 0 .. PinCount()-1, columns 1 .. PinCount().
int PinCount() { return std::min(PinRowCount - 1, PinTableSize); }

void AddHeader(TStringList& lines) {
  lines.Add("%");
  for (const char* line : FileNotice) lines.Add(line);
  lines.Add("%");
  lines.Add("");
}

// One line per bus, in table order, listing its bits from the highest down.
void AddGroupLines(TStringList& lines) {
  for (const PINStruct& pin : Pins) {
    if (pin.BitWidth <= 1) continue;
    std::string line = "GROUP CREATE " + pin.BaseName + " =";
    // Counted by offset from the low bit, so that a range ending at the limits of
    // an int neither overflows nor runs on.
    for (int offset = pin.BitWidth - 1; offset >= 0; --offset)
      line += " " + pin.BaseName + "[" + IntToStr(static_cast<std::int64_t>(pin.LowBit) + offset) + "]";
    lines.Add(line + " ;");
  }
}

// The named signals of one direction in column order; of two pins that share a
// column only the first in table order is named.
std::string SignalListLine(const std::string& keyword, bool outputs) {
  std::string line = keyword;
  for (int column = 1; column <= PinTableSize; ++column) {
    const auto pin = std::find_if(std::begin(Pins), std::end(Pins), [&](const PINStruct& p) {
      return p.IsOutput == outputs && !p.BaseName.empty() && p.Column == column;
    });
    if (pin == std::end(Pins)) continue;
    line += " " + pin->BaseName;
    if (pin->BitWidth > 1) line += "\\BIN";
  }
  return line + ";";
}

// The time text as FloatToStr writes it, made to carry a decimal point and at most
// three decimals.
std::string WithDecimalPoint(std::string row) {
  const std::size_t comma = row.find(',');
  if (comma == std::string::npos) return row;
  row[comma] = '.';
  const std::size_t end = row.find('>');
  if (end != std::string::npos && end > comma + 3) row.erase(comma + 4, end - comma - 4);
  return row;
}

// The first column after the separator "= ": the inputs (clock, operand bus and
// the reset if the project has one) stand before it, the rest after it.
int FirstColumnAfterSeparator() { return HasReset ? 4 : 3; }

// The values of the pins column by column, each followed by a blank, with "= "
// between the inputs and the rest.
std::string RowValues() {
  std::string values;
  for (int column = 1; column <= PinCount(); ++column)
    for (int k = 0; k < PinCount(); ++k) {
      if (Pins[k].Column != column) continue;
      if (column == FirstColumnAfterSeparator()) values += "= ";
      values += Pins[k].Value + " ";
    }
  return values;
}

// The first row of cycle 0 at the moment the reset is released: the reset's "1",
// the value just before the separator, becomes "0".
std::string ResetReleaseRow(const std::string& firstRow, long double releaseInstant) {
  std::string row = FloatToStr(releaseInstant) + firstRow.substr(firstRow.find('>'));
  const std::size_t separator = row.find(" =");
  if (separator != std::string::npos && separator > 0) row.replace(separator - 1, 1, " 0");
  return WithDecimalPoint(row);
}

// The row after the last cycle: one "X" per pin, with "= " where the pattern rows
// have it, so that as many stand before it as the INPUTS line names.
std::string FinalRow(long double endInstant) {
  std::string values;
  for (int column = 1; column <= PinCount(); ++column) {
    if (column == FirstColumnAfterSeparator()) values += "= ";
    values += "X ";
  }
  return VectorTimeText(endInstant) + values;
}

void AddPatternRows(TStringList& lines, const TVectorSettings& settings) {
  const long double period = settings.Period;
  const long double riseOffset = static_cast<float>(static_cast<long double>(0.1) * period);
  for (int cycle = 0; cycle < settings.MaxCycles; ++cycle) {
    const long double start = cycle * period;
    const std::array<long double, 3> instants = {start, start + riseOffset, start + settings.PeriodShift};
    for (int sub = 0; sub < 3; ++sub) {
      SetVectorRowValues(settings, static_cast<float>(instants[sub]), cycle, sub == 0);
      const std::string row = VectorTimeText(instants[sub]) + RowValues();
      if (cycle == 0 && sub == 0 && HasReset) {
        lines.Add(row);
        lines.Add(ResetReleaseRow(row, static_cast<long double>(0.05) * period));
      } else if (cycle < 4 || sub != 0) {
        // From cycle 4 on the start of a cycle is not written: nothing changes there.
        lines.Add(row);
      }
    }
  }
}

}  // namespace

std::string VectorTimeText(long double instant) { return WithDecimalPoint(FloatToStr(instant) + "> "); }

std::unique_ptr<TStringList> BuildVectorTable(const TVectorSettings& settings) {
  auto lines = std::make_unique<TStringList>();
  AddHeader(*lines);
  AddGroupLines(*lines);
  lines->Add(SignalListLine("INPUTS", false));
  lines->Add(SignalListLine("OUTPUTS", true));
  lines->Add("UNIT " + settings.TimeUnit + ";");
  lines->Add("RADIX BIN;");
  lines->Add("PATTERN");
  AddPatternRows(*lines, settings);
  lines->Add(FinalRow(static_cast<long double>(settings.MaxCycles) * settings.Period));
  lines->Add(";");
  return lines;
}
