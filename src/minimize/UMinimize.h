#pragma once
// The window "Анализ минимизации канонических уравнений УА": opens a control
// unit's schematic and collects its gate symbols into the table of elements.
#include <memory>

#include "platform/gui/Forms.h"

class TFMinimize : public TForm {
public:
  explicit TFMinimize(TComponent* owner);

  // Layout.
  TStringGrid* StringGrid1;
  TMainMenu* MainMenu1;
  TMenuItem *N1, *N2, *N3;
  TOpenDialog* UAOpen;

  // The lines of the schematic opened last.
  std::unique_ptr<TStringList> SchemeLines;

  // Handlers.
  void FormCreate(TObject* Sender);
  void N1Click(TObject* Sender);
  void N3Click(TObject* Sender);

private:
  void CreateControls();
  void CreateMenus();
};

extern TFMinimize* FMinimize;
