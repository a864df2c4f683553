#pragma once
// The window "Результат": the automaton's response, clock cycle by clock cycle.
// In step mode (Tag 0) it is shown modally with one value field per signal (one
// per bit for the status and control buses) and steps with "T+1" and "T-1"; in
// automatic mode (Tag 1) it has no fields and "T+1" runs to the first flag.
#include "platform/gui/Forms.h"

class TFResult : public TForm {
public:
  explicit TFResult(TComponent* owner);

  // Layout.
  TBitBtn* BitBtn1;
  TBitBtn* BitBtn2;
  TButton* Button1;
  TButton* Button2;

  // Handlers.
  void FormShow(TObject* Sender);
  void FormClose(TObject* Sender, TCloseAction& Action);
  void FormMouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
  void FormMouseUp(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
  // "T-1": the previous clock cycle.
  void BitBtn1Click(TObject* Sender);
  // "T+1": the next clock cycle and its flags; in automatic mode the run to the first flag.
  void BitBtn2Click(TObject* Sender);
  // "Изменить операнды": back to the settings.
  void Button1Click(TObject* Sender);
  // "Выход".
  void Button2Click(TObject* Sender);
  // Moving a value field: Shift and the left button grab it.
  void LEMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
  void LEMouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
  void LEMouseUp(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);

private:
  void StepForward();
  void RunToFirstFlag();
  // The flag tests of the automatic run: whether a raised flag ends it.
  bool EndsRunOnRaisedFlag();
};

extern TFResult* FResult;

// One press of a viewing button tells the user at most once that the rows have
// ended, however many searches it runs: the handler holds one of these for its
// whole run, and one held within another (the viewing command, which opens the
// window and runs the automatic run) belongs to the same press.
class TViewingPress {
public:
  TViewingPress();
  ~TViewingPress();
  TViewingPress(const TViewingPress&) = delete;
  TViewingPress& operator=(const TViewingPress&) = delete;
};

// The viewer's state. The window resets it when it is created, so every run of
// the program starts from these values.
constexpr int FieldTableSize = 30;
struct TEditPos {
  int Left = 0;
  int Top = 0;
};
extern int CurrentCycle;
extern int PatternLine;  // index of the "PATTERN" line in ResultLines, 0 when none
extern int CurrentLine;  // index of the row found last; the row searches start here
extern bool ResultObtained, OverflowSeen, DivByZeroSeen;
extern bool LayoutCustomised;  // a field has been grabbed for moving in this run
extern bool Dragging;
extern TControl* DraggedEdit;
// Row k-1 holds the fields of column k; a bus shown bit by bit has bit j in slot j.
extern TLabeledEdit* ValueEdits[FieldTableSize][FieldTableSize];
extern TEditPos SavedEditPos[FieldTableSize][FieldTableSize];

// The row search on the accepted result table (ResultLines of the main window).
int FindPatternLine();
// Look for the row of cycle `cycle` from CurrentLine onward, or back to the line
// after PatternLine; a row found sets every pin's Value and CurrentLine. A search
// that meets a line without a row brings "Просмотр завершен" once. Returns whether
// a row was found.
bool SeekCycleForward(const int& cycle);
bool SeekCycleBackward(const int& cycle);

// Puts each pin's Value into its fields; bits at '1' are red, the others black.
void RefreshValueEdits();

// Appends the report of the operation (X, Y and the result, as codes and in
// decimal) to the report window's memo.
void FillResultReport();
