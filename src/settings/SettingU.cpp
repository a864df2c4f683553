#include "settings/SettingU.h"

#include <algorithm>
#include <initializer_list>
#include <iterator>

#include "mainwin/UMain.h"
#include "platform/text/FloatFormat.h"
#include "platform/text/Utf8.h"

TFSetting* FSetting = nullptr;

namespace {

constexpr int FixedMantissaLength = 15, FixedMantissaWidth = 97;
constexpr int FloatingMantissaLength = 10, FloatingMantissaWidth = 70;
constexpr int DroppedFractionBits = FixedMantissaLength - FloatingMantissaLength;

const char* const TimeUnits[] = {"ns", "us", "ms", "s"};

TLabeledEdit* PlaceEdit(TForm* form, const char* name, const char* label, int left, int top, int width,
                        TLabelPosition position = TLabelPosition::lpAbove) {
  auto* edit = PlaceControl<TLabeledEdit>(form, name, left, top, width, 21);
  edit->EditLabel.Caption = label;
  edit->LabelPosition = position;
  return edit;
}

TUpDown* PlaceUpDown(TForm* form, const char* name, TLabeledEdit* associate, int min, int max, int increment,
                     int position) {
  auto* upDown = PlaceControl<TUpDown>(form, name, associate->Left + associate->Width, associate->Top, 16,
                                associate->Height);
  upDown->Associate = associate;
  upDown->Min = min;
  upDown->Max = max;
  upDown->Increment = increment;
  upDown->Wrap = false;
  upDown->SetPosition(position);
  return upDown;
}

// The code fields take bits only; backspace still corrects them.
void PassBitsOnly(char32_t& Key) {
  if (Key != U'0' && Key != U'1' && Key != VK_BACK) Key = 0;
}

}  // namespace

TFSetting::TFSetting(TComponent* owner) : TForm(owner, "FSetting", "Настройки автомата", 372, 396) {
  CreateFormatControls();
  CreateOperandControls();
  CreateClockControls();
  OnCreate = [this](TObject* s) { FormCreate(s); };
}

void TFSetting::CreateFormatControls() {
  RadioGroup1 = PlaceControl<TRadioGroup>(this, "RadioGroup1", 8, 8, 177, 57);
  RadioGroup1->Caption = "Формат чисел";
  RadioGroup1->Items = {"Фиксированная запятая", "Плавающая запятая"};
  RadioGroup1->ItemIndex = 0;
  RadioGroup1->OnClick = [this](TObject* s) { RadioGroup1Click(s); };

  RadioGroup3 = PlaceControl<TRadioGroup>(this, "RadioGroup3", 8, 72, 177, 57);
  RadioGroup3->Caption = "Формат порядка";
  RadioGroup3->Items = {"Порядок", "Характеристика"};
  RadioGroup3->ItemIndex = 0;

  RadioGroup2 = PlaceControl<TRadioGroup>(this, "RadioGroup2", 192, 8, 172, 57);
  RadioGroup2->Caption = "Код чисел";
  RadioGroup2->Items = {"Прямой код (ПК)", "Дополнительный код (ДК)"};
  RadioGroup2->ItemIndex = 0;

  LabeledEdit7 = PlaceEdit(this, "LabeledEdit7", "X в 10 с.с.", 192, 88, 172);
  LabeledEdit7->Enabled = false;
  LabeledEdit8 = PlaceEdit(this, "LabeledEdit8", "Y в 10 с.с.", 192, 128, 172);
  LabeledEdit8->Enabled = false;
}

void TFSetting::CreateOperandControls() {
  Label1 = PlaceControl<TLabel>(this, "Label1", 8, 164, 20, 24);
  Label1->Caption = "X:";
  Label2 = PlaceControl<TLabel>(this, "Label2", 8, 212, 20, 24);
  Label2->Caption = "Y:";
  for (TLabel* title : {Label1, Label2}) title->Font.Height = -20;

  LabeledEdit1 = PlaceEdit(this, "LabeledEdit1", "Зн.", 32, 168, 25);
  LabeledEdit2 = PlaceEdit(this, "LabeledEdit2", "Мантисса", 64, 168, FixedMantissaWidth);
  LabeledEdit3 = PlaceEdit(this, "LabeledEdit3", "Порядок", 168, 168, 45);
  LabeledEdit4 = PlaceEdit(this, "LabeledEdit4", "Зн.", 32, 216, 25);
  LabeledEdit5 = PlaceEdit(this, "LabeledEdit5", "Мантисса", 64, 216, FixedMantissaWidth);
  LabeledEdit6 = PlaceEdit(this, "LabeledEdit6", "Порядок", 168, 216, 45);
  LabeledEdit1->MaxLength = LabeledEdit4->MaxLength = 1;
  LabeledEdit3->MaxLength = LabeledEdit6->MaxLength = 5;
  LabeledEdit1->OnKeyPress = [this](TObject* s, char32_t& k) { LabeledEdit1KeyPress(s, k); };
  LabeledEdit2->OnKeyPress = [this](TObject* s, char32_t& k) { LabeledEdit2KeyPress(s, k); };
  LabeledEdit3->OnKeyPress = [this](TObject* s, char32_t& k) { LabeledEdit3KeyPress(s, k); };
  LabeledEdit4->OnKeyPress = [this](TObject* s, char32_t& k) { LabeledEdit4KeyPress(s, k); };
  LabeledEdit5->OnKeyPress = [this](TObject* s, char32_t& k) { LabeledEdit5KeyPress(s, k); };
  LabeledEdit6->OnKeyPress = [this](TObject* s, char32_t& k) { LabeledEdit6KeyPress(s, k); };

  BitBtn2 = PlaceControl<TBitBtn>(this, "BitBtn2", 240, 190, 97, 25);
  BitBtn2->Caption = "Перевод";
  BitBtn2->OnClick = [this](TObject* s) { BitBtn2Click(s); };
}

void TFSetting::CreateClockControls() {
  Label3 = PlaceControl<TLabel>(this, "Label3", 8, 256, 220, 13);
  Label3->Caption = "Параметры сигнала синхронизации: ";

  LabeledEdit9 = PlaceEdit(this, "LabeledEdit9", "Период: ", 64, 288, 49, TLabelPosition::lpLeft);
  LabeledEdit9->ReadOnly = true;
  LabeledEdit9->MaxLength = 5;
  UpDown3 = PlaceUpDown(this, "UpDown3", LabeledEdit9, 30, 200, 10, 100);

  Label4 = PlaceControl<TLabel>(this, "Label4", 192, 272, 120, 13);
  Label4->Caption = "Временной порядок";
  ComboBox1 = PlaceControl<TComboBox>(this, "ComboBox1", 192, 288, 172, 21);
  ComboBox1->Items = {"Нано (10^-9)", "Микро (10^-6)", "Мили (10^-3)", "Сек (10^0)"};
  ComboBox1->Text = "Нано (10^-9)";
  ComboBox1->ItemIndex = -1;
  ComboBox1->OnKeyPress = [this](TObject* s, char32_t& k) { ComboBox1KeyPress(s, k); };

  LabeledEdit12 = PlaceEdit(this, "LabeledEdit12", "Максимальное количество тактов", 216, 320, 49,
                            TLabelPosition::lpLeft);
  LabeledEdit12->ReadOnly = true;
  UpDown2 = PlaceUpDown(this, "UpDown2", LabeledEdit12, 0, 100, 1, 10);

  BitBtn1 = PlaceControl<TBitBtn>(this, "BitBtn1", 96, 360, 81, 25);
  BitBtn1->Caption = "Принять";
  BitBtn1->OnClick = [this](TObject* s) { BitBtn1Click(s); };
  BitBtn3 = PlaceControl<TBitBtn>(this, "BitBtn3", 196, 360, 81, 25);
  BitBtn3->Caption = "Отмена";
  BitBtn3->OnClick = [this](TObject* s) { BitBtn3Click(s); };
}

void PadWithZeros(TLabeledEdit* edit) {
  std::string text = edit->Text;
  for (auto length = utf8::Length(text); length < static_cast<std::size_t>(std::max(edit->MaxLength, 0)); ++length)
    text += '0';
  edit->Text = text;
}

void TFSetting::FormCreate(TObject*) {
  LabeledEdit3->Visible = false;
  LabeledEdit6->Visible = false;
  LabeledEdit2->MaxLength = LabeledEdit5->MaxLength = FixedMantissaLength;
  for (int i = 0; i < LabeledEdit2->MaxLength; ++i) {
    LabeledEdit2->Text += '0';
    LabeledEdit5->Text += '0';
  }
  LabeledEdit1->Text = "0";
  LabeledEdit4->Text = "0";
  for (int i = 0; i < LabeledEdit3->MaxLength; ++i) {
    LabeledEdit3->Text += '0';
    LabeledEdit6->Text += '0';
  }
  RadioGroup3->Visible = false;
}

void TFSetting::RadioGroup1Click(TObject*) {
  const bool floating = RadioGroup1->ItemIndex == 1;
  for (TLabeledEdit* mantissa : {LabeledEdit2, LabeledEdit5}) {
    if (floating) {
      mantissa->Width = FloatingMantissaWidth;
      mantissa->MaxLength = FloatingMantissaLength;
      mantissa->Text = utf8::Left(mantissa->Text, FloatingMantissaLength);
    } else {
      // The fraction bits cut off in floating point come back as zeros.
      mantissa->Width = FixedMantissaWidth;
      mantissa->MaxLength = FixedMantissaLength;
      mantissa->Text += std::string(DroppedFractionBits, '0');
    }
  }
  for (TControl* exponentOnly : std::initializer_list<TControl*>{RadioGroup3, LabeledEdit3, LabeledEdit6})
    exponentOnly->Visible = floating;
}

OperandCode TFSetting::ComposeCode(const TLabeledEdit* sign, const TLabeledEdit* mantissa,
                                   const TLabeledEdit* exponent) const {
  return sign->Text + (FloatingPoint() ? exponent->Text : std::string()) + mantissa->Text;
}

int TFSetting::ConvertOperand(const OperandCode& code, TLabeledEdit* shown) const {
  long double value = 0;
  int status = OperandValid;
  DecodeOperand(FloatingPoint(), RadioGroup2->ItemIndex != 0, RadioGroup3->ItemIndex != 0, code, value, status);
  shown->Text = FloatToStrF(value, ffFixed, 23, 18);
  return status;
}

void TFSetting::BitBtn2Click(TObject*) {
  for (TLabeledEdit* field : {LabeledEdit1, LabeledEdit2, LabeledEdit3, LabeledEdit4, LabeledEdit5, LabeledEdit6})
    PadWithZeros(field);

  const int xStatus = ConvertOperand(ComposeCode(LabeledEdit1, LabeledEdit2, LabeledEdit3), LabeledEdit7);
  if (xStatus == OperandNegativeZero) ShowMessage("Внимание! Первый операнд является отрицательным нулем!");
  if (xStatus == OperandNotNormalised) ShowMessage("Внимание! Первый операнд не нормализован!");

  const int yStatus = ConvertOperand(ComposeCode(LabeledEdit4, LabeledEdit5, LabeledEdit6), LabeledEdit8);
  if (yStatus == OperandNegativeZero) ShowMessage("Внимание! Второй операнд является отрицательным нулем!");
  if (yStatus == OperandNotNormalised) ShowMessage("Внимание! Второй операнд не нормализован!");
}

void TFSetting::BitBtn1Click(TObject* Sender) {
  BitBtn2Click(Sender);
  TVectorSettings accepted;
  accepted.XCode = ComposeCode(LabeledEdit1, LabeledEdit2, LabeledEdit3);
  accepted.YCode = ComposeCode(LabeledEdit4, LabeledEdit5, LabeledEdit6);
  accepted.Period = static_cast<float>(StrToFloat(LabeledEdit9->Text));
  accepted.PeriodShift = static_cast<float>(static_cast<double>(accepted.Period) * 0.6);
  accepted.MaxCycles = UpDown2->Position;
  const int unit = ComboBox1->ItemIndex;
  accepted.TimeUnit = unit >= 0 && unit < static_cast<int>(std::size(TimeUnits)) ? TimeUnits[unit] : "ns";
  // The number format is not part of the table: it changes no step.
  FMain->AcceptSettings(accepted);
  Close();
}

void TFSetting::BitBtn3Click(TObject*) { Close(); }

void TFSetting::LabeledEdit1KeyPress(TObject*, char32_t& Key) { PassBitsOnly(Key); }
void TFSetting::LabeledEdit2KeyPress(TObject*, char32_t& Key) { PassBitsOnly(Key); }
void TFSetting::LabeledEdit3KeyPress(TObject*, char32_t& Key) { PassBitsOnly(Key); }
void TFSetting::LabeledEdit4KeyPress(TObject*, char32_t& Key) { PassBitsOnly(Key); }
void TFSetting::LabeledEdit5KeyPress(TObject*, char32_t& Key) { PassBitsOnly(Key); }
void TFSetting::LabeledEdit6KeyPress(TObject*, char32_t& Key) { PassBitsOnly(Key); }

// The time unit comes from the list only.
void TFSetting::ComboBox1KeyPress(TObject*, char32_t& Key) { Key = 0; }
