#pragma once
// The window "Просмотр файла результатов": the accepted result table's rows as
// plain text, under a caption that names the signals in the order of their
// values in a row.
#include <string>

#include "platform/gui/Forms.h"
#include "results/ProjectPins.h"

class TFResLook : public TForm {
public:
  explicit TFResLook(TComponent* owner);

  // Layout.
  TLabel* Label1;
  TMemo* Memo1;
  TButton* Button1;

  // Handlers.
  void FormShow(TObject* Sender);
  void FormClose(TObject* Sender, TCloseAction& Action);
  // "Выход".
  void Button1Click(TObject* Sender);

  // Shows the table held now in place of the rows shown, for a window left open
  // while another table is accepted.
  void ShowHeldTable();
};

extern TFResLook* FResLook;

// "Порядок расположения: Время изменения > CLK X = P ...": the pins' names in
// column order, " = " where the rows have their separator.
std::string SignalOrderCaption(const ProjectPins& pins);
// The first line to show: the one after the first line that holds "PATTERN", or
// the first line of a table without one.
int FirstShownLine(const TStringList& lines);
