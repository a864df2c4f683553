#pragma once
// The window "Нзначение вывода": gives one pin of the main window's grid its role,
// pre-selecting the role guessed from the pin's name. The main window also runs its
// accept handler without showing it, to assign every pin automatically.
#include <string>

#include "platform/gui/Forms.h"

class TFAssign : public TForm {
public:
  explicit TFAssign(TComponent* owner);

  // Layout.
  TComboBox* ComboBox1;
  TLabel* Label1;
  TButton* Button1;
  TLabel* Label2;
  TButton* Button2;

  // The base name of the pin being assigned; the main window writes it before
  // each run. Tag is 1 while the automatic assignment runs, 0 otherwise.
  std::string CurrentPin;

  // The text the role field shows while no role is chosen.
  static const std::string Placeholder;

  // Handlers.
  void FormShow(TObject* Sender);
  void Button1Click(TObject* Sender);
  void ComboBox1KeyPress(TObject* Sender, char32_t& Key);
  void Button2Click(TObject* Sender);

private:
  void CreateControls();
  void ShowPlaceholder();
  // Selects the role guessed from CurrentPin, or shows the placeholder.
  void ApplyRoleGuess();
};

extern TFAssign* FAssign;
