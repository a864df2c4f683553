#pragma once
// The window "Настройки автомата": the number format, the operands X and Y as bit
// fields with their decimal values, and the clock parameters, accepted into the
// main window's BenchState.
#include "platform/gui/Forms.h"
#include "settings/OperandCode.h"

class TFSetting : public TForm {
public:
  explicit TFSetting(TComponent* owner);

  // Layout.
  TRadioGroup *RadioGroup1, *RadioGroup2, *RadioGroup3;
  TLabel *Label1, *Label2, *Label3, *Label4;
  TLabeledEdit *LabeledEdit1, *LabeledEdit2, *LabeledEdit3;  // X: sign, mantissa, exponent
  TLabeledEdit *LabeledEdit4, *LabeledEdit5, *LabeledEdit6;  // Y: sign, mantissa, exponent
  TLabeledEdit *LabeledEdit7, *LabeledEdit8;                 // X and Y in decimal
  TBitBtn* BitBtn2;
  TLabeledEdit* LabeledEdit9;
  TUpDown* UpDown3;
  TComboBox* ComboBox1;
  TLabeledEdit* LabeledEdit12;
  TUpDown* UpDown2;
  TBitBtn* BitBtn1;
  TBitBtn* BitBtn3;

  // Handlers.
  void FormCreate(TObject* Sender);
  void RadioGroup1Click(TObject* Sender);
  void BitBtn2Click(TObject* Sender);
  void BitBtn1Click(TObject* Sender);
  void BitBtn3Click(TObject* Sender);
  void LabeledEdit1KeyPress(TObject* Sender, char32_t& Key);
  void LabeledEdit2KeyPress(TObject* Sender, char32_t& Key);
  void LabeledEdit3KeyPress(TObject* Sender, char32_t& Key);
  void LabeledEdit4KeyPress(TObject* Sender, char32_t& Key);
  void LabeledEdit5KeyPress(TObject* Sender, char32_t& Key);
  void LabeledEdit6KeyPress(TObject* Sender, char32_t& Key);
  void ComboBox1KeyPress(TObject* Sender, char32_t& Key);

private:
  void CreateFormatControls();
  void CreateOperandControls();
  void CreateClockControls();
  bool FloatingPoint() const { return RadioGroup1->ItemIndex != 0; }
  // The code of one operand: its sign, in floating point its exponent, then its mantissa.
  OperandCode ComposeCode(const TLabeledEdit* sign, const TLabeledEdit* mantissa,
                          const TLabeledEdit* exponent) const;
  // Decodes one operand under the window's format choice and shows its value in
  // `shown`; returns the decoding status.
  int ConvertOperand(const OperandCode& code, TLabeledEdit* shown) const;
};

// Appends '0' at the right of the edit's text up to its MaxLength.
void PadWithZeros(TLabeledEdit* edit);

extern TFSetting* FSetting;
