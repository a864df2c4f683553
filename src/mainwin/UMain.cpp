#include "mainwin/UMain.h"

#include "access/UAut.h"
#include "access/UNewPass.h"
#include "access/UPass.h"
#include "mainwin/PinTable.h"
#include "minimize/UMinimize.h"
#include "resources/StepMark.h"
#include "results/UFreslook.h"
#include "results/UResult.h"
#include "settings/SettingU.h"

TFMain* FMain = nullptr;

namespace {

const char* const StepTexts[5] = {
    "1. Для определения входных и выходных сигналов , откройте файл схемы (расширение *.bdf)",
    "2. Настройка параметров автомата и операндов",
    "3. Создание входного вектора",
    "4. Получение реакции автомата на входной вектор. Открыть файл с расширением *.tbl",
    "5. Просмотр результатов работы автомата",
};

}  // namespace

TFMain::TFMain(TComponent* owner) : TForm(owner, "FMain", "Операционная часть автомата", 529, 319) {
  CreateControls();
  CreateMenus();
  OnCreate = [this](TObject* s) { FormCreate(s); };
  OnClose = [this](TObject* s, TCloseAction& a) { FormClose(s, a); };
}

void TFMain::CreateControls() {
  TLabel** labels[5] = {&Label1, &Label2, &Label3, &Label4, &Label5};
  TImage** images[5] = {&Image1, &Image2, &Image3, &Image4, &Image5};
  for (int i = 0; i < 5; ++i) {
    const std::string number = std::to_string(i + 1);
    TLabel* label = *labels[i] = PlaceControl<TLabel>(this, ("Label" + number).c_str(), 8, 8 + 24 * i, 480, 13);
    label->Caption = StepTexts[i];
    TImage* image = *images[i] = PlaceControl<TImage>(this, ("Image" + number).c_str(), 496, 24 * i, 25, 25);
    image->Picture = StepMarkXpm;
    image->Transparent = true;
    image->Visible = false;
  }

  StringGrid1 = PlaceControl<TStringGrid>(this, "StringGrid1", 8, 128, 305, 134);
  StringGrid1->SetColCount(3);
  StringGrid1->SetRowCount(2);
  StringGrid1->ColWidths = {70, 70, 141};
  StringGrid1->FixedRows = 1;
  StringGrid1->FixedCols = 0;
  StringGrid1->DefaultRowHeight = 24;
  StringGrid1->Hint = "Все обнаруженные в Вашем проекте входные/выходные сигналы";
  StringGrid1->ShowHint = true;
  StringGrid1->Visible = false;
  StringGrid1->OnSelectCell = [this](TObject* s, int c, int r, bool& can) { StringGrid1SelectCell(s, c, r, can); };
  StringGrid1->OnDblClick = [this](TObject* s) { StringGrid1DblClick(s); };

  RadioGroup1 = PlaceControl<TRadioGroup>(this, "RadioGroup1", 328, 128, 185, 73);
  RadioGroup1->Caption = "Режим просмотра результатов";
  RadioGroup1->Items = {"Автоматический", "Пошаговый"};
  RadioGroup1->ItemIndex = 0;
  RadioGroup1->Visible = false;

  BitBtn1 = PlaceControl<TBitBtn>(this, "BitBtn1", 360, 216, 121, 25);
  BitBtn1->Caption = "Просмотр результата";
  BitBtn1->Visible = false;
  BitBtn1->OnClick = [this](TObject* s) { BitBtn1Click(s); };

  SpeedButton1 = PlaceControl<TSpeedButton>(this, "SpeedButton1", 360, 256, 23, 22);
  SpeedButton1->OnClick = [this](TObject* s) { SpeedButton1Click(s); };

  Button2 = PlaceControl<TButton>(this, "Button2", 48, 272, 97, 25);
  Button2->Caption = "Автоназначение";
  Button2->Visible = false;
  Button2->OnClick = [this](TObject* s) { Button2Click(s); };

  Button1 = PlaceControl<TButton>(this, "Button1", 168, 272, 107, 25);
  Button1->Caption = "Завершить ввод";
  Button1->Visible = false;
  Button1->OnClick = [this](TObject* s) { Button1Click(s); };

  StatusBar1 = PlaceControl<TStatusBar>(this, "StatusBar1", 0, 300, 529, 19);
  StatusBar1->Visible = false;

  ProjOpen = new TOpenDialog(this);
  ProjOpen->Name = "ProjOpen";
  ProjOpen->Filter = "Файл проекта|*.bdf|Вектор|*.tbl|Результат|*.sim.tbl";
}

void TFMain::CreateMenus() {
  MainMenu1 = new TMainMenu(this);
  MainMenu1->Name = "MainMenu1";
  Menu = MainMenu1;
  TMenuItem* bar = MainMenu1->Items;
  const auto item = [](TMenuItem* parent, const char* name, const std::string& caption,
                       const std::string& shortCut = {}) {
    TMenuItem* added = parent->AddItem(caption, shortCut);
    added->Name = name;
    return added;
  };

  N1 = item(bar, "N1", "Файл");
  N8 = item(N1, "N8", "Открыть");
  N10 = item(N8, "N10", "Файл проекта", "Ctrl+O");
  N12 = item(N8, "N12", "Результат симуляции", "Ctrl+R");
  N6 = item(N1, "N6", "Создать");
  N7 = item(N6, "N7", "Входной вектор", "Ctrl+S");
  N5 = item(N1, "N5", "Выход");
  N2 = item(bar, "N2", "Настройки");
  N14 = item(N2, "N14", "Общие", "F5");
  N20 = item(N2, "N20", "Изменить пароль доступа", "Ctrl+P");
  N15 = item(bar, "N15", "Инструменты");
  N18 = item(N15, "N18", "Авторизация пользователя", "Ctrl+A");
  N16 = item(N15, "N16", "Анализ канонических уравнений на минимальность", "Ctrl+M");
  N19 = item(N15, "N19", "Просмотр выходного файла в текстовом режиме", "Ctrl+E");
  N22 = item(N15, "N22", "Запуск программы \"Управляющий автомат\"", "Ctrl+U");
  N4 = item(bar, "N4", "Помощь");
  N3 = item(N4, "N3", "Об авторе", "F1");
  N21 = item(N4, "N21", "Справка", "F2");
  N7->Enabled = false;
  N19->Enabled = false;

  PopupMenu1 = new TPopupMenu(this);
  PopupMenu1->Name = "PopupMenu1";
  N17 = item(PopupMenu1->Items, "N17", "Завершить ввод");
  StringGrid1->PopupMenu = PopupMenu1;

  N5->OnClick = [this](TObject* s) { N5Click(s); };
  N7->OnClick = [this](TObject* s) { N7Click(s); };
  N10->OnClick = [this](TObject* s) { N10Click(s); };
  N12->OnClick = [this](TObject* s) { N12Click(s); };
  N14->OnClick = [this](TObject* s) { N14Click(s); };
  N16->OnClick = [this](TObject* s) { N16Click(s); };
  N17->OnClick = [this](TObject* s) { N17Click(s); };
  N18->OnClick = [this](TObject* s) { N18Click(s); };
  N19->OnClick = [this](TObject* s) { N19Click(s); };
  N20->OnClick = [this](TObject* s) { N20Click(s); };
  N3->OnClick = [this](TObject* s) { N3Click(s); };
  N21->OnClick = [this](TObject* s) { N21Click(s); };
  N22->OnClick = [this](TObject* s) { N22Click(s); };
}

std::string TFMain::HelpFilePath() { return Application->ExeDir() + "OA_Manual.hlp"; }

void TFMain::FormCreate(TObject*) {
  IsTeacher = false;
  N2->Enabled = false;
  N12->Enabled = false;
  StringGrid1->Cells(0, 0) = "Имя вывода";
  StringGrid1->Cells(1, 0) = "Тип вывода";
  StringGrid1->Cells(2, 0) = "Назначение";
  PinsLoaded = SettingsAccepted = InputFinished = false;
  Application->HelpFile = HelpFilePath();
}

void TFMain::FormClose(TObject*, TCloseAction&) { FPassw->Close(); }

void TFMain::N5Click(TObject*) { Close(); }

void TFMain::N14Click(TObject*) { FSetting->Show(); }

void TFMain::N16Click(TObject*) { FMinimize->Show(); }

void TFMain::N19Click(TObject*) { FResLook->Show(); }

void TFMain::N20Click(TObject*) { FNewPass->Show(); }

void TFMain::Button1Click(TObject* Sender) { N17Click(Sender); }

void TFMain::Button2Click(TObject* Sender) { StringGrid1DblClick(Sender); }

void TFMain::BitBtn1Click(TObject* Sender) {
  GateViewingStarted();
  // A result window still open from an automatic viewing is closed first, so the
  // new viewing starts afresh at cycle 0 in the mode now chosen.
  CloseResultWindow();
  if (RadioGroup1->ItemIndex == 0) {
    const TViewingPress press;  // the opening's search and the run end the rows once
    FResult->Tag = 1;
    FResult->Show();
    FResult->BitBtn2Click(Sender);
  } else if (RadioGroup1->ItemIndex == 1) {
    FResult->ShowModal();
  }
}

void TFMain::N18Click(TObject*) {
  if (!IsTeacher) {
    FAut->Show();
    return;
  }
  MessageDlg("Привилегированный ползователь уже авторизован", TMsgDlgType::mtInformation, mbOK, 0);
}

void TFMain::N3Click(TObject*) {
  MessageDlg("Opbench — учебный стенд для проверки операционной части цифрового автомата, "
             "созданный для студентов, изучающих проектирование автоматов.",
             TMsgDlgType::mtError, mbOK, 0);
}

void TFMain::N21Click(TObject*) {
  Application->HelpFile = HelpFilePath();
  Application->HelpCommand(HELP_FINDER, 0);
}

void TFMain::N22Click(TObject*) { ShellExecute("open", "UA/Ctrlbench.exe", "", "", SW_SHOWNORMAL); }

void TFMain::SpeedButton1Click(TObject*) {
  std::string text;
  for (int k = 0; k <= PinRowCount - 2 && k < PinTableSize; ++k)
    text += Pins[k].BaseName + "  =" + IntToStr(Pins[k].Column) + "\n";
  ShowMessage(text);
}

void TFMain::GateSchematicRead() {
  Image1->Visible = true;
  N2->Enabled = true;
  Button1->Visible = true;
  Button2->Visible = true;
  PinsLoaded = true;
  StringGrid1->Visible = true;
}

void TFMain::GateInputFinished() {
  InputFinished = true;
  Button1->Enabled = false;
}

void TFMain::StepThreeCheck() {
  if (!InputFinished || !SettingsAccepted) return;
  Image2->Visible = true;
  N7->Enabled = true;
}

void TFMain::GateVectorWritten() {
  Image3->Visible = true;
  N12->Enabled = true;
}

void TFMain::GateResultAccepted() {
  Image4->Visible = true;
  RadioGroup1->Visible = true;
  BitBtn1->Visible = true;
  N19->Enabled = true;
}

void TFMain::GateViewingStarted() { Image5->Visible = true; }

void TFMain::GateChangeOperands() {
  SettingsAccepted = false;
  Image2->Visible = false;
  Image3->Visible = false;
  N7->Enabled = false;
  N12->Enabled = false;
  CloseViewing();
}

void TFMain::GateInputReopened() {
  if (!InputFinished) return;
  InputFinished = false;
  Button1->Enabled = true;
  GateChangeOperands();
  GateResultDropped();
}

void TFMain::GateResultDropped() {
  N19->Enabled = false;
  if (FResLook->Visible) FResLook->Close();
  CloseViewing();
}

void TFMain::CloseViewing() {
  Image4->Visible = false;
  Image5->Visible = false;
  RadioGroup1->Visible = false;
  BitBtn1->Visible = false;
  CloseResultWindow();
}

void TFMain::CloseResultWindow() {
  if (FResult->Visible) FResult->Close();
}

TVectorSettings TFMain::VectorSettings() const { return {Period, PeriodShift, MaxCycles, TimeUnit, XCode, YCode}; }

void TFMain::AcceptSettings(const TVectorSettings& settings) {
  // The vector table written, the result read back for it and its viewing belong
  // to the settings they were made from.
  if (settings != VectorSettings()) GateChangeOperands();
  XCode = settings.XCode;
  YCode = settings.YCode;
  Period = settings.Period;
  PeriodShift = settings.PeriodShift;
  MaxCycles = settings.MaxCycles;
  TimeUnit = settings.TimeUnit;
  SettingsAccepted = true;
  StepThreeCheck();
}
