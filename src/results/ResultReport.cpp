// The report of an operation: the operands X and Y and the result that the
// automaton put on its output data pin, each as its code and in decimal, decoded
// under the number format that the settings window shows at this moment.
#include <vector>

#include "mainwin/UMain.h"
#include "platform/text/Conversions.h"
#include "platform/text/Exceptions.h"
#include "platform/text/FloatFormat.h"
#include "platform/text/Utf8.h"
#include "results/ProjectPins.h"
#include "results/UResult.h"
#include "results/UResultConv.h"
#include "settings/OperandCode.h"
#include "settings/SettingU.h"

namespace {

const std::string Rule(64, '-');

long double DecodeAsShown(const std::string& code) {
  long double value = 0;
  int status = 0;  // a negative zero or an unnormalised operand is reported without a warning
  DecodeOperand(FSetting->RadioGroup1->ItemIndex != 0, FSetting->RadioGroup2->ItemIndex != 0,
                FSetting->RadioGroup3->ItemIndex != 0, code, value, status);
  return value;
}

std::string OperandValueText(const std::string& code) {
  return "Значение: " + FloatToStrF(DecodeAsShown(code), ffFixed, 23, 18);
}

// The value of the output data pin, which is decoded as an operand code. A pin
// narrower than a code can never hold one, nor can a value that its row of the
// table cut short; the user is told so rather than which character is missing.
std::string OutputDataValue() {
  const PINStruct* pin = CurrentProjectPins().PinOfColumn(GetSignalColumns()->OutputDataColumn);
  if (!pin) return {};
  const std::string codeBits = IntToStr(OperandCodeLength);
  if (pin->BitWidth < OperandCodeLength)
    throw ERangeError("У вывода выходных данных " + pin->BaseName + " меньше " + codeBits +
                      " бит, поэтому его значение нельзя расшифровать как код операнда.");
  if (utf8::Length(pin->Value) < static_cast<std::size_t>(OperandCodeLength))
    throw ERangeError("Значение вывода выходных данных " + pin->BaseName + " в строке " + IntToStr(CurrentLine + 1) +
                      " файла результатов короче " + codeBits + " бит, поэтому его нельзя расшифровать как код операнда.");
  return pin->Value;
}

}  // namespace

// The lines are made first and appended together, so a result that cannot be
// decoded leaves nothing half written in the memo for the next report.
void FillResultReport() {
  const std::string result = OutputDataValue();
  const std::vector<std::string> lines = {
      "Операнд Х: " + FMain->XCode,
      OperandValueText(FMain->XCode),
      Rule,
      "Операнд Y: " + FMain->YCode,
      OperandValueText(FMain->YCode),
      Rule,
      "Результат операции: " + result,
      "Значение: " + FloatToStr(DecodeAsShown(result)),
      Rule,
  };
  for (const std::string& line : lines) FResConv->Memo1->Lines.Add(line);
}
