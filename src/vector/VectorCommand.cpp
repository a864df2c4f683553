// Writing the input vector table ("Входной вектор"): the table goes beside the
// project schematic, and the user is told how to simulate and save the result.
#include "mainwin/UMain.h"
#include "vector/VectorFileName.h"
#include "vector/VectorTable.h"

namespace {

// How to simulate in Quartus and save the result over the vector table.
const std::string SimulationInstructions =
    "1. Откройте свой проект в Quartus 9.1 \n"
    "2. Запустите симулятор (Processing->Start Simulation (Ctrl+I)) \n"
    "3. При успешном завершении симуляции, если данные представлены \n"
    "   не в двоичном коде, то перевести в двоичный можно следующим \n"
    "   образом: \n"
    "\t Выделите все выводы в поле Name (справa от диаграммы симуляции) \n"
    "\t Правой кнопкой мыши вызовите контекстное меню, выберите пункт \n"
    "\t Properties \n"
    "\t В появившемся окне в разделе Radix из списка выберите Binary \n"
    "\t Нажмите ОК \n"
    "4. Сохраните результат в формате \n"
    "\t Vector Table Output File with group radix suffix. \n"
    "\t В меню: File->Save Current Report Section As...";

}  // namespace

void TFMain::N7Click(TObject*) {
  const std::string fileName = VectorFileNameFor(ProjOpen->FileName);
  std::unique_ptr<TStringList> lines =
      BuildVectorTable(VectorSettings());
  // A failed save raises before anything is kept, so the path and lines still
  // describe the last table that was written, which an open step 4 reads.
  lines->SaveToFile(fileName);
  VectorFileName = fileName;
  VectorLines = std::move(lines);

  MessageDlg(SimulationInstructions, TMsgDlgType::mtInformation, mbOK, 0);
  GateVectorWritten();
  // The list holds what stands in the file.
  VectorLines->LoadFromFile(VectorFileName);
}
