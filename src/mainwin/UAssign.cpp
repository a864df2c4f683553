#include "mainwin/UAssign.h"

#include "mainwin/PinRole.h"
#include "mainwin/RoleNames.h"
#include "mainwin/UMain.h"

TFAssign* FAssign = nullptr;

const std::string TFAssign::Placeholder = "Назначение вывода";

namespace {

constexpr int DialogFontHeight = -11;
constexpr int PinNameFontHeight = -21;

}  // namespace

TFAssign::TFAssign(TComponent* owner) : TForm(owner, "FAssign", "Нзначение вывода", 311, 84) {
  Font.Height = DialogFontHeight;
  CreateControls();
  OnShow = [this](TObject* s) { FormShow(s); };
}

// Created in the tab order: the role list first, then "Применить", then "Выход".
void TFAssign::CreateControls() {
  ComboBox1 = PlaceControl<TComboBox>(this, "ComboBox1", 152, 16, 145, 21);
  ComboBox1->Text = Placeholder;
  ComboBox1->Items.assign(RoleNames.begin(), RoleNames.end());
  ComboBox1->Font.Height = DialogFontHeight;
  ComboBox1->OnKeyPress = [this](TObject* s, char32_t& key) { ComboBox1KeyPress(s, key); };

  Label1 = PlaceControl<TLabel>(this, "Label1", 32, 12, 105, 24);
  Label1->Font.Height = PinNameFontHeight;

  Button1 = PlaceControl<TButton>(this, "Button1", 72, 48, 75, 25);
  Button1->Caption = "Применить";
  Button1->OnClick = [this](TObject* s) { Button1Click(s); };

  Label2 = PlaceControl<TLabel>(this, "Label2", 144, 12, 6, 24);
  Label2->Caption = "-";
  Label2->Font.Height = PinNameFontHeight;

  Button2 = PlaceControl<TButton>(this, "Button2", 160, 48, 75, 25);
  Button2->Caption = "Выход";
  Button2->OnClick = [this](TObject* s) { Button2Click(s); };
}

void TFAssign::ShowPlaceholder() {
  ComboBox1->ItemIndex = -1;
  ComboBox1->Text = Placeholder;
}

void TFAssign::ApplyRoleGuess() {
  const int role = GuessRole(CurrentPin);
  if (role < 0) {
    ShowPlaceholder();
    return;
  }
  ComboBox1->ItemIndex = role;
  ComboBox1->Text = ComboBox1->Items[static_cast<std::size_t>(role)];
}

// The dialog always opens on the guessed role, never on the role the row has.
void TFAssign::FormShow(TObject*) {
  ShowPlaceholder();
  Label1->Caption = CurrentPin;
  ApplyRoleGuess();
}

void TFAssign::Button1Click(TObject*) {
  const bool automatic = Tag != 0;
  if (automatic) {
    Label1->Caption = CurrentPin;
    ApplyRoleGuess();
  }
  const bool noRole = ComboBox1->Text == Placeholder;
  if (noRole && !automatic) {
    ShowMessage("Выберите правильное назначение");
    return;
  }
  FMain->AssignedRole = noRole ? std::string() : ComboBox1->Text;
  Close();
}

// The role comes from the list only: no typed key reaches the field.
void TFAssign::ComboBox1KeyPress(TObject*, char32_t& Key) { Key = 0; }

void TFAssign::Button2Click(TObject*) { Close(); }
