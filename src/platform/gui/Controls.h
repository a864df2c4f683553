#pragma once
// The controls the program's windows are built from. Each holds its state as plain
// members; the user-action methods are the one door through which a person's
// actions reach the handlers.
#include <string>
#include <vector>

#include "platform/gui/Component.h"
#include "platform/text/StringList.h"

class TLabel : public TControl {
public:
  using TControl::TControl;
  std::string Caption;
};

class TButton : public TWinControl {
public:
  using TWinControl::TWinControl;
  std::string Caption;
};

// A button with a small picture beside its caption.
class TBitBtn : public TButton {
public:
  using TButton::TButton;
  const char* const* Glyph = nullptr;  // XPM picture, or none
  bool GlyphAfterCaption = false;
};

class TSpeedButton : public TControl {
public:
  using TControl::TControl;
  std::string Caption;
};

class TImage : public TControl {
public:
  using TControl::TControl;
  const char* const* Picture = nullptr;  // XPM picture, or none
  bool Transparent = false;              // the picture's white is not drawn
};

class TStatusBar : public TWinControl {
public:
  using TWinControl::TWinControl;
  std::string SimpleText;
};

// A one-line text field with a text cursor and a selection, both counted in
// characters. Typed keys pass the field's OnKeyPress first; a key set to 0 there
// is swallowed and changes nothing. A text set by program puts the cursor at its
// end with nothing selected.
class TCustomEdit : public TWinControl {
public:
  using TWinControl::TWinControl;
  std::string Text;
  int MaxLength = 0;  // 0: no limit; counted in characters
  bool ReadOnly = false;
  char32_t PasswordChar = 0;  // shown in place of each character, 0 for none
  TKeyPressEvent OnKeyPress;
  TNotifyEvent OnChange;

  // The cursor, or the start of the selection, and the length of the selection.
  int SelStart() const { return Selection().Start; }
  int SelLength() const { return Selection().Length; }
  std::string SelText() const;
  // Puts the cursor before character `start` (kept within the text), selecting nothing.
  void SetSelStart(int start);
  // Selects `length` characters from SelStart on, as many as the text has.
  void SetSelLength(int length);
  void SelectAll();

  // A key typed into the field. Backspace deletes the selection or the character
  // before the cursor; any other character replaces the selection or goes in at
  // the cursor, while MaxLength allows it.
  void TypeKey(char32_t key);
  // Text typed key by key.
  void TypeText(const std::string& text);
  // The Delete key: deletes the selection or the character after the cursor. It is
  // no typed character, so OnKeyPress never sees it.
  void PressDelete();
  // The selection to the clipboard, and out of the text for a cut. A password
  // field never gives its text away.
  void CutToClipboard();
  void CopyToClipboard();
  // The clipboard's text in place of the selection, as far as MaxLength allows;
  // a character OnKeyPress would swallow, or a control character, never goes in.
  void PasteFromClipboard();
  // The user replaces the whole text at once (as by selecting it all and pasting
  // `text`), filtered and limited as a paste is.
  void EditText(const std::string& text);

private:
  struct Span {
    int Start, Length;
  };
  Span Selection() const;
  void Select(Span span);
  int TextLength() const;
  // How many characters may replace the span within MaxLength.
  int Room(Span span) const;
  // The characters of `text` that typing could put in: printable ones that pass OnKeyPress.
  std::string Typeable(const std::string& text);
  // Puts `inserted` in place of the span, the cursor after it; OnChange runs when
  // the text changes.
  void Replace(Span span, const std::string& inserted);

  // The selection, valid while the text is the one it was made in.
  std::string FSelectedIn;
  int FSelStart = 0, FSelLength = 0;
};

class TEdit : public TCustomEdit {
public:
  using TCustomEdit::TCustomEdit;
};

// The label attached to a labelled edit.
class TBoundLabel {
public:
  std::string Caption;
  TFont Font;
};

class TLabeledEdit : public TCustomEdit {
public:
  using TCustomEdit::TCustomEdit;
  TBoundLabel EditLabel;
  TLabelPosition LabelPosition = TLabelPosition::lpAbove;
  int LabelSpacing = 3;
};

class TMemo : public TWinControl {
public:
  using TWinControl::TWinControl;
  TStringList Lines;
  bool ReadOnly = false;
  bool ScrollBars = true;
};

class TRadioGroup : public TWinControl {
public:
  using TWinControl::TWinControl;
  std::string Caption;
  std::vector<std::string> Items;
  int ItemIndex = -1;
  // The user selects item `index`; OnClick runs when the selection changes.
  void ChooseItem(int index);
};

// Arrows that move a number up and down within bounds and show it in an edit.
class TUpDown : public TControl {
public:
  using TControl::TControl;
  TCustomEdit* Associate = nullptr;
  int Min = 0, Max = 100, Position = 0, Increment = 1;
  bool Wrap = false;
  // Sets the position by program, kept within Min and Max, and shows it in the edit.
  void SetPosition(int position);
  // The user presses the upper or the lower arrow.
  void ClickUp();
  void ClickDown();
};

class TComboBox : public TWinControl {
public:
  using TWinControl::TWinControl;
  std::string Text;
  std::vector<std::string> Items;
  int ItemIndex = -1;
  TKeyPressEvent OnKeyPress;
  TNotifyEvent OnChange;
  // The user picks item `index` from the list.
  void ChooseItem(int index);
  // A key typed into the text field, filtered by OnKeyPress like an edit's.
  void TypeKey(char32_t key);
};

class TStringGrid : public TWinControl {
public:
  explicit TStringGrid(TComponent* owner);

  int ColCount() const { return static_cast<int>(ColWidths.size()); }
  int RowCount() const { return static_cast<int>(FCells.size()); }
  void SetColCount(int count);
  // Rows added are empty; the selection stays inside the grid.
  void SetRowCount(int count);
  // Raises EStringListError for a cell outside the grid.
  std::string& Cells(int col, int row);
  const std::string& Cells(int col, int row) const;

  std::vector<int> ColWidths;
  int DefaultRowHeight = 24;
  int FixedRows = 1;
  int FixedCols = 0;
  int Row = 1, Col = 0;  // the selected cell
  TSelectCellEvent OnSelectCell;

  // The user selects a cell with the mouse or the keyboard: OnSelectCell runs
  // before the selection moves and may refuse it.
  void SelectCell(int col, int row);

private:
  std::vector<std::vector<std::string>> FCells;  // by row, then column
};
