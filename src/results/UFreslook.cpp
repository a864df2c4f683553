#include "results/UFreslook.h"

#include "mainwin/UMain.h"

TFResLook* FResLook = nullptr;

TFResLook::TFResLook(TComponent* owner) : TForm(owner, "FResLook", "Просмотр файла результатов", 623, 300) {
  Position = TFormPosition::poDesktopCenter;

  Label1 = PlaceControl<TLabel>(this, "Label1", 16, 8, 593, 13);
  Label1->Caption = "Порядок расположения: ";

  Memo1 = PlaceControl<TMemo>(this, "Memo1", 8, 32, 601, 225);
  Memo1->ScrollBars = true;
  Memo1->Lines.Add("");

  Button1 = PlaceControl<TButton>(this, "Button1", 280, 264, 75, 25);
  Button1->Caption = "Выход";
  Button1->OnClick = [this](TObject* s) { Button1Click(s); };

  OnShow = [this](TObject* s) { FormShow(s); };
  OnClose = [this](TObject* s, TCloseAction& a) { FormClose(s, a); };
}

std::string SignalOrderCaption(const ProjectPins& pins) {
  std::string caption = "Порядок расположения: Время изменения > ";
  const int last = pins.LastColumn();
  const int separatorColumn = pins.SeparatorColumn();
  for (int column = 1; column <= last; ++column) {
    const PINStruct* pin = pins.PinOfColumn(column);
    if (!pin) continue;
    caption += pin->BaseName;
    if (column == last) break;
    caption += column == separatorColumn ? " = " : " ";
  }
  return caption;
}

int FirstShownLine(const TStringList& lines) {
  for (int i = 0; i < lines.Count(); ++i)
    if (lines[i].find("PATTERN") != std::string::npos) return i + 1;
  return 0;
}

// The last two lines of a table, its closing row and ";", are not shown.
void TFResLook::FormShow(TObject*) {
  if (const TStringList* table = FMain->ResultLines.get()) {
    for (int i = FirstShownLine(*table); i < table->Count() - 2; ++i) Memo1->Lines.Add((*table)[i]);
  }
  Label1->Caption = SignalOrderCaption(CurrentProjectPins());
}

void TFResLook::ShowHeldTable() {
  Memo1->Lines.Clear();
  FormShow(this);
}

// What the user typed into the memo is not kept.
void TFResLook::FormClose(TObject*, TCloseAction&) { Memo1->Lines.Clear(); }

void TFResLook::Button1Click(TObject*) { Close(); }
