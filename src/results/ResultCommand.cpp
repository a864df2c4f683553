// Opening the simulation result table ("Результат симуляции"): the simulator's
// output saved over the vector table file is read back from that path and
// accepted only when its group lines are those of the vector table.
#include "mainwin/ChosenFile.h"
#include "mainwin/UMain.h"
#include "results/ResultTable.h"
#include "results/UFreslook.h"

void TFMain::N12Click(TObject*) {
  // A viewing left open belongs to the table held until now.
  CloseResultWindow();
  ResultFileName = VectorFileName;
  ResultLines = std::make_unique<TStringList>();
  if (!LoadChosenFile(*ResultLines, ResultFileName)) {
    GateResultDropped();
    return;
  }

  const TStringList noVectorTable;
  const TStringList& vectorLines = VectorLines ? *VectorLines : noVectorTable;
  if (GroupLinesMatch(vectorLines, *ResultLines, CountGroupLines(CurrentProjectPins()))) {
    GateResultAccepted();
    if (FResLook->Visible) FResLook->ShowHeldTable();
  } else {
    GateResultDropped();
    MessageDlg("Неверный файл результатов", TMsgDlgType::mtError, mbOK, 0);
  }
}
