#include "results/UResult.h"

#include <optional>

#include "mainwin/UMain.h"
#include "resources/StepArrows.h"
#include "results/CyclesAhead.h"
#include "results/ProjectPins.h"
#include "results/ResultTable.h"
#include "results/UResultConv.h"
#include "results/ValueFields.h"
#include "settings/SettingU.h"

TFResult* FResult = nullptr;

int CurrentCycle;
int PatternLine;
int CurrentLine;
bool ResultObtained, OverflowSeen, DivByZeroSeen;
bool LayoutCustomised;
bool Dragging;
TControl* DraggedEdit;
TLabeledEdit* ValueEdits[FieldTableSize][FieldTableSize];
TEditPos SavedEditPos[FieldTableSize][FieldTableSize];

namespace {

void ResetViewerState() {
  CurrentCycle = PatternLine = CurrentLine = 0;
  ResultObtained = OverflowSeen = DivByZeroSeen = false;
  LayoutCustomised = Dragging = false;
  DraggedEdit = nullptr;
  for (auto& column : ValueEdits)
    for (TLabeledEdit*& field : column) field = nullptr;
  for (auto& column : SavedEditPos)
    for (TEditPos& place : column) place = {};
}

const TStringList& ResultTable() {
  static const TStringList noTable;
  return FMain->ResultLines ? *FMain->ResultLines : noTable;
}

void Inform(const std::string& text) { MessageDlg(text, TMsgDlgType::mtInformation, mbOK, 0); }

int ViewingPressesHeld = 0;
bool EndOfRowsReported = false;  // within the press being handled

void ReportEndOfRows() {
  if (EndOfRowsReported) return;
  EndOfRowsReported = ViewingPressesHeld > 0;
  Inform("Просмотр завершен");
}

// A search on the accepted table; one that reports the end of the rows tells the
// user when it meets a line without a row.
RowSearch CurrentRowSearch(const ProjectPins& pins, bool reportEndOfRows = true) {
  return {ResultTable(), pins, FMain->Period, FMain->TimeUnit,
          reportEndOfRows ? std::function<void()>(ReportEndOfRows) : nullptr};
}

// A flag is raised when the value of its pin, as the last row left it, is "1".
bool FlagRaised(int column) {
  const PINStruct* pin = CurrentProjectPins().PinOfColumn(column);
  return pin && pin->Value == "1";
}

bool AnyFlagSeen() { return ResultObtained || OverflowSeen || DivByZeroSeen; }

void ShowResultReport() {
  FillResultReport();
  FResConv->ShowModal();
}

}  // namespace

TViewingPress::TViewingPress() { ++ViewingPressesHeld; }

TViewingPress::~TViewingPress() {
  if (--ViewingPressesHeld == 0) EndOfRowsReported = false;
}

int FindPatternLine() { return FindPattern(ResultTable()); }

bool SeekCycleForward(const int& cycle) {
  const ProjectPins pins = CurrentProjectPins();
  return SeekRowForward(CurrentRowSearch(pins), cycle, CurrentLine);
}

bool SeekCycleBackward(const int& cycle) {
  const ProjectPins pins = CurrentProjectPins();
  return SeekRowBackward(CurrentRowSearch(pins), cycle, PatternLine, CurrentLine);
}

TFResult::TFResult(TComponent* owner) : TForm(owner, "FResult", "Результат", 592, 386) {
  ResetViewerState();

  BitBtn1 = PlaceControl<TBitBtn>(this, "BitBtn1", 8, 352, 75, 25);
  BitBtn1->Caption = "T-1";
  BitBtn1->Glyph = ArrowBackXpm;
  BitBtn1->OnClick = [this](TObject* s) { BitBtn1Click(s); };

  BitBtn2 = PlaceControl<TBitBtn>(this, "BitBtn2", 88, 352, 75, 25);
  BitBtn2->Caption = "T+1";
  BitBtn2->Glyph = ArrowForwardXpm;
  BitBtn2->GlyphAfterCaption = true;
  BitBtn2->OnClick = [this](TObject* s) { BitBtn2Click(s); };

  Button1 = PlaceControl<TButton>(this, "Button1", 384, 352, 115, 25);
  Button1->Caption = "Изменить операнды";
  Button1->OnClick = [this](TObject* s) { Button1Click(s); };

  Button2 = PlaceControl<TButton>(this, "Button2", 512, 352, 75, 25);
  Button2->Caption = "Выход";
  Button2->OnClick = [this](TObject* s) { Button2Click(s); };

  OnShow = [this](TObject* s) { FormShow(s); };
  OnClose = [this](TObject* s, TCloseAction& a) { FormClose(s, a); };
  OnMouseMove = [this](TObject* s, TShiftState sh, int x, int y) { FormMouseMove(s, sh, x, y); };
  OnMouseUp = [this](TObject* s, TMouseButton b, TShiftState sh, int x, int y) { FormMouseUp(s, b, sh, x, y); };
}

void TFResult::FormShow(TObject*) {
  CurrentCycle = 0;
  ResultObtained = OverflowSeen = DivByZeroSeen = false;
  PatternLine = FindPatternLine();
  CurrentLine = PatternLine + 1;
  // The values left by the vector table writer or an earlier table must not pass
  // for this table's: a cycle 0 without a row shows nothing and raises no flag.
  CurrentProjectPins().EmptyValues();
  SeekCycleForward(CurrentCycle);
  RemoveValueFields();  // a window shown again without closing keeps no old set
  if (Tag != 0) return;
  BuildValueFields(this, CurrentProjectPins());
}

void TFResult::FormClose(TObject*, TCloseAction&) {
  ResultObtained = OverflowSeen = DivByZeroSeen = false;
  if (Tag == 0) {
    if (LayoutCustomised) SaveValueFieldPlaces();
    RemoveValueFields();
  }
  Tag = 0;
}

void TFResult::BitBtn2Click(TObject*) {
  const TViewingPress press;
  if (Tag == 0) StepForward();
  else RunToFirstFlag();
}

void TFResult::StepForward() {
  if (!AnyFlagSeen()) {
    ++CurrentCycle;
    SeekCycleForward(CurrentCycle);
    RefreshValueEdits();
  }
  const TSignalColumns& flags = *GetSignalColumns();
  if (FlagRaised(flags.PrsColumn)) {
    OverflowSeen = true;
    Inform("Обнаружен признак ПРС");
  }
  if (FlagRaised(flags.DivByZeroColumn)) {
    DivByZeroSeen = true;
    Inform("Деление на ноль");
  }
  if (FlagRaised(flags.EndOfOperationColumn)) {
    ResultObtained = true;
    if (MessageDlg("Результат получен", TMsgDlgType::mtInformation, mbOK, 0) == mrOk) ShowResultReport();
  }
}

// Cycle after cycle until a flag is raised. A cycle without a row keeps the values
// of the last row found, and they are tested like any others; the run goes on
// until no row after the current one belongs to a later cycle, and then says once
// that the viewing is over. Only that end is reported: a cycle without a row in
// the middle of the table brings no notice.
void TFResult::RunToFirstFlag() {
  const TSignalColumns& flags = *GetSignalColumns();
  const ProjectPins pins = CurrentProjectPins();
  const RowSearch search = CurrentRowSearch(pins, false);
  std::optional<CyclesAhead> ahead;  // read at the first cycle without a row
  for (;;) {
    if (FlagRaised(flags.EndOfOperationColumn) && FlagRaised(flags.PrsColumn) &&
        FlagRaised(flags.DivByZeroColumn))
      return;
    bool rowFound = true;
    if (!AnyFlagSeen()) {
      ++CurrentCycle;
      // Once the rows ahead are known, a cycle that has none is not searched for.
      rowFound = (!ahead || ahead->NextAfter(CurrentCycle - 1, CurrentLine) == CurrentCycle) &&
                 SeekRowForward(search, CurrentCycle, CurrentLine);
    }
    if (EndsRunOnRaisedFlag()) return;
    if (AnyFlagSeen()) return;  // stopped on a row that no longer raises its flag
    if (rowFound) continue;
    // The search that failed has just read every line to the end, so reading their
    // rows once more raises nothing new; it happens once a run.
    if (!ahead) ahead.emplace(search, CurrentLine);
    const std::optional<int> next = ahead->NextAfter(CurrentCycle, CurrentLine);
    if (!next) {
      ReportEndOfRows();
      return;
    }
    // The cycles before it hold no row either: they would test the same values again.
    CurrentCycle = *next - 1;
  }
}

bool TFResult::EndsRunOnRaisedFlag() {
  const TSignalColumns& flags = *GetSignalColumns();
  if (FlagRaised(flags.PrsColumn)) {
    OverflowSeen = true;
    Close();
    Inform("Обнаружен признак ПРС");
    return true;
  }
  if (FlagRaised(flags.DivByZeroColumn)) {
    DivByZeroSeen = true;
    Close();
    Inform("Деление на ноль");
    return true;
  }
  if (FlagRaised(flags.EndOfOperationColumn)) {
    ResultObtained = true;
    ShowResultReport();
    return true;
  }
  return false;
}

void TFResult::BitBtn1Click(TObject*) {
  ResultObtained = OverflowSeen = DivByZeroSeen = false;
  if (CurrentCycle <= 0) {
    Inform("Нет возможности просмотреть предыдущий такт");
    return;
  }
  --CurrentCycle;
  SeekCycleBackward(CurrentCycle);
  RefreshValueEdits();
}

// The main window's gating closes this window too.
void TFResult::Button1Click(TObject*) {
  FMain->GateChangeOperands();
  FSetting->Show();
}

void TFResult::Button2Click(TObject*) { Close(); }

void TFResult::LEMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int, int) {
  if (Button == TMouseButton::mbLeft && (Shift & ssShift)) {
    Dragging = true;
    LayoutCustomised = true;
    DraggedEdit = dynamic_cast<TControl*>(Sender);
  } else {
    Dragging = false;
    DraggedEdit = nullptr;
  }
}

void TFResult::LEMouseMove(TObject*, TShiftState, int X, int Y) {
  if (!Dragging || !DraggedEdit) return;
  DraggedEdit->Left += X;
  DraggedEdit->Top += Y;
}

void TFResult::FormMouseMove(TObject*, TShiftState, int X, int Y) {
  if (!Dragging || !DraggedEdit) return;
  DraggedEdit->Left = X;
  DraggedEdit->Top = Y;
}

void TFResult::LEMouseUp(TObject*, TMouseButton, TShiftState, int, int) { Dragging = false; }

void TFResult::FormMouseUp(TObject*, TMouseButton, TShiftState, int, int) { Dragging = false; }
