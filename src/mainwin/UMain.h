#pragma once
// The main window "Операционная часть автомата": the hub of a test run. It leads
// through the five steps, holds the state of the run (BenchState) and opens every
// other window.
#include <memory>
#include <string>

#include "platform/gui/Forms.h"
#include "vector/VectorSettings.h"

class TFMain : public TForm {
public:
  explicit TFMain(TComponent* owner);

  // Layout.
  TLabel *Label1, *Label2, *Label3, *Label4, *Label5;
  TImage *Image1, *Image2, *Image3, *Image4, *Image5;
  TStringGrid* StringGrid1;
  TRadioGroup* RadioGroup1;
  TBitBtn* BitBtn1;
  TSpeedButton* SpeedButton1;
  TButton* Button2;
  TButton* Button1;
  TStatusBar* StatusBar1;
  TOpenDialog* ProjOpen;
  TMainMenu* MainMenu1;
  TMenuItem *N1, *N8, *N10, *N12, *N6, *N7, *N5;
  TMenuItem *N2, *N14, *N20;
  TMenuItem *N15, *N18, *N16, *N19, *N22;
  TMenuItem *N4, *N3, *N21;
  TPopupMenu* PopupMenu1;
  TMenuItem* N17;

  // BenchState: the state of the current run.
  bool PinsLoaded = false;
  bool SettingsAccepted = false;
  bool InputFinished = false;
  bool IsTeacher = false;
  std::string XCode, YCode;
  std::string TimeUnit;
  std::string AssignedRole;
  float Period = 0.0f;
  float PeriodShift = 0.0f;
  int MaxCycles = 0;
  std::unique_ptr<TStringList> ProjectLines;
  std::unique_ptr<TStringList> VectorLines;
  std::unique_ptr<TStringList> ResultLines;
  std::string VectorFileName;
  std::string ResultFileName;

  // Handlers.
  void FormCreate(TObject* Sender);
  void FormClose(TObject* Sender, TCloseAction& Action);
  void N5Click(TObject* Sender);
  void N7Click(TObject* Sender);
  void N10Click(TObject* Sender);
  void N12Click(TObject* Sender);
  void N14Click(TObject* Sender);
  void N16Click(TObject* Sender);
  void N17Click(TObject* Sender);
  void N18Click(TObject* Sender);
  void N19Click(TObject* Sender);
  void N20Click(TObject* Sender);
  void N3Click(TObject* Sender);
  void N21Click(TObject* Sender);
  void N22Click(TObject* Sender);
  void Button1Click(TObject* Sender);
  void Button2Click(TObject* Sender);
  void BitBtn1Click(TObject* Sender);
  void SpeedButton1Click(TObject* Sender);
  void StringGrid1SelectCell(TObject* Sender, int ACol, int ARow, bool& CanSelect);
  void StringGrid1DblClick(TObject* Sender);

  // The step gating: the only places where the step controls change.
  // A schematic has been read: step 1 reached, roles and settings open.
  void GateSchematicRead();
  // The input has been finished: the pin table is fixed for the run.
  void GateInputFinished();
  // When both the input is finished and the settings accepted, step 2 is
  // reached and the vector table can be written.
  void StepThreeCheck();
  // The vector table has been written: the result table can be opened.
  void GateVectorWritten();
  // The result table has been accepted: viewing is open.
  void GateResultAccepted();
  // Viewing has started.
  void GateViewingStarted();
  // The operands or the clock are to change (the result window's "Изменить
  // операнды", or other settings accepted): the vector table and every step after
  // it close, and the settings must be accepted again before it can be written.
  void GateChangeOperands();
  // The input is given anew after it was finished (a schematic read, or a role
  // changed in the grid): "Завершить ввод" opens again, and every step built from
  // the pin table closes, the accepted result table with it.
  void GateInputReopened();
  // No accepted result table is held any more (the one read last was refused or
  // could not be read, or the pin table it was read for is to be built anew): its
  // viewing and its text view close.
  void GateResultDropped();
  // A result window still open (an automatic viewing leaves it open) is closed,
  // as it shows a table or settings that no longer hold.
  void CloseResultWindow();

  // What the vector table is written from, as last accepted.
  TVectorSettings VectorSettings() const;
  // "Принять" of the settings window: the settings become the accepted ones, and
  // other settings than before close the vector table and every step after it;
  // then the step-3 check.
  void AcceptSettings(const TVectorSettings& settings);

  // The help file beside the program's own file.
  static std::string HelpFilePath();

private:
  void CreateMenus();
  void CreateControls();
  // Step 4's mark and step 5 close: the viewing controls and a result window left open.
  void CloseViewing();
  // Writes a pin row's role cell.
  void SetRoleCell(int row, const std::string& role);
};

extern TFMain* FMain;
