#include "minimize/UMinimize.h"

#include "mainwin/ChosenFile.h"
#include "minimize/SchemeElements.h"
#include "minimize/SymbolScan.h"

TFMinimize* FMinimize = nullptr;

TFMinimize::TFMinimize(TComponent* owner) : TForm(owner, "FMinimize", "Анализ минимизации канонических уравнений УА", 523, 299) {
  // The window lives as long as the run, so a new run starts with an empty table.
  ResetSchemeElements();
  CreateControls();
  CreateMenus();
  OnCreate = [this](TObject* s) { FormCreate(s); };
}

void TFMinimize::CreateControls() {
  StringGrid1 = PlaceControl<TStringGrid>(this, "StringGrid1", 8, 16, 353, 153);
  StringGrid1->SetColCount(4);
  StringGrid1->SetRowCount(5);
  StringGrid1->ColWidths = {64, 54, 100, 115};
  StringGrid1->DefaultRowHeight = 24;
  StringGrid1->FixedRows = 1;

  UAOpen = new TOpenDialog(this);
  UAOpen->Name = "UAOpen";
  UAOpen->Filter = "Файлы схемы|*.bdf";
}

void TFMinimize::CreateMenus() {
  MainMenu1 = new TMainMenu(this);
  MainMenu1->Name = "MainMenu1";
  Menu = MainMenu1;
  N1 = MainMenu1->Items->AddItem("Открыть схему УА");
  N1->Name = "N1";
  N2 = MainMenu1->Items->AddItem("Проверка на минимальность");
  N2->Name = "N2";
  N3 = MainMenu1->Items->AddItem("Выход");
  N3->Name = "N3";
  N1->OnClick = [this](TObject* s) { N1Click(s); };
  N3->OnClick = [this](TObject* s) { N3Click(s); };
}

void TFMinimize::FormCreate(TObject*) {
  StringGrid1->Cells(0, 0) = "№";
  StringGrid1->Cells(1, 0) = "Тип";
  StringGrid1->Cells(2, 0) = "Идентификатор";
  StringGrid1->Cells(3, 0) = "Количество входов";
}

void TFMinimize::N1Click(TObject*) {
  UAOpen->FilterIndex = 1;
  if (!UAOpen->Execute()) return;  // a cancelled dialog changes nothing

  SchemeLines = std::make_unique<TStringList>();
  if (!LoadChosenFile(*SchemeLines, UAOpen->FileName)) return;
  ScanGateSymbols(*SchemeLines, SchemeElements);
}

void TFMinimize::N3Click(TObject*) { Close(); }
