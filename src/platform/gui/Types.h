#pragma once
// Plain types of the control model: the kinds of message boxes and their answers,
// events, mouse and keyboard states, colours.
#include <cstdint>
#include <functional>

class TObject;

enum class TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };

// Buttons of a message box, combined as a bit set.
enum TMsgDlgBtn : unsigned { mbYes = 1, mbNo = 2, mbOK = 4, mbCancel = 8 };
using TMsgDlgButtons = unsigned;

// The answer of a message box or the result of a modal window.
enum TModalResult : int { mrNone = 0, mrOk = 1, mrCancel = 2, mrYes = 6, mrNo = 7 };

enum class TCloseAction { caNone, caHide, caFree, caMinimize };
enum class TMouseButton { mbLeft, mbRight, mbMiddle };
enum TShiftFlag : unsigned { ssShift = 1, ssAlt = 2, ssCtrl = 4, ssLeft = 8, ssRight = 16, ssMiddle = 32 };
using TShiftState = unsigned;

enum class TLabelPosition { lpAbove, lpBelow, lpLeft, lpRight };
enum class TFormPosition { poDesigned, poScreenCenter, poDesktopCenter };

// Colours as 0x00BBGGRR, the way the class library writes them.
using TColor = std::uint32_t;
constexpr TColor clBlack = 0x000000;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clGreen = 0x008000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clWindowText = clBlack;

struct TFont {
  TColor Color = clWindowText;
  int Height = -11;  // negative: character height in pixels
  bool Bold = false;
};

using TNotifyEvent = std::function<void(TObject* Sender)>;
// Key is the typed character; setting it to 0 swallows the key.
using TKeyPressEvent = std::function<void(TObject* Sender, char32_t& Key)>;
using TSelectCellEvent = std::function<void(TObject* Sender, int ACol, int ARow, bool& CanSelect)>;
using TCloseEvent = std::function<void(TObject* Sender, TCloseAction& Action)>;
using TMouseEvent =
    std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)>;

constexpr char32_t VK_BACK = 8;
