// The one-line text field: its cursor and selection, and what typing, deleting
// and the clipboard do to its text.
#include <algorithm>
#include <climits>

#include "platform/gui/Application.h"
#include "platform/gui/Backend.h"
#include "platform/gui/Controls.h"
#include "platform/text/Utf8.h"

int TCustomEdit::TextLength() const { return static_cast<int>(utf8::Length(Text)); }

TCustomEdit::Span TCustomEdit::Selection() const {
  const int length = TextLength();
  if (Text != FSelectedIn) return {length, 0};
  const int start = std::clamp(FSelStart, 0, length);
  return {start, std::clamp(FSelLength, 0, length - start)};
}

void TCustomEdit::Select(Span span) {
  FSelectedIn = Text;
  FSelStart = span.Start;
  FSelLength = span.Length;
}

std::string TCustomEdit::SelText() const {
  const Span span = Selection();
  return utf8::Middle(Text, static_cast<std::size_t>(span.Start), static_cast<std::size_t>(span.Length));
}

void TCustomEdit::SetSelStart(int start) { Select({std::clamp(start, 0, TextLength()), 0}); }

void TCustomEdit::SetSelLength(int length) {
  const Span span = Selection();
  Select({span.Start, std::clamp(length, 0, TextLength() - span.Start)});
}

void TCustomEdit::SelectAll() { Select({0, TextLength()}); }

int TCustomEdit::Room(Span span) const {
  if (MaxLength <= 0) return INT_MAX;
  return std::max(MaxLength - (TextLength() - span.Length), 0);
}

std::string TCustomEdit::Typeable(const std::string& text) {
  std::string kept;
  for (std::size_t pos = 0; pos < text.size();) {
    char32_t key = utf8::Next(text, pos);
    if (key < 32 || key == 127) continue;
    if (OnKeyPress) OnKeyPress(this, key);
    if (key >= 32 && key != 127) utf8::Append(kept, key);
  }
  return kept;
}

void TCustomEdit::Replace(Span span, const std::string& inserted) {
  const std::size_t from = utf8::Offset(Text, static_cast<std::size_t>(span.Start));
  const std::size_t to = from + utf8::Offset(std::string_view(Text).substr(from), static_cast<std::size_t>(span.Length));
  const std::string before = Text;
  Text = Text.substr(0, from) + inserted + Text.substr(to);
  Select({span.Start + static_cast<int>(utf8::Length(inserted)), 0});
  if (Text != before && OnChange) OnChange(this);
}

void TCustomEdit::TypeKey(char32_t key) {
  if (!IsReachable()) return;
  Application->Dispatch([this, key] {
    char32_t k = key;
    if (OnKeyPress) OnKeyPress(this, k);
    if (k == 0 || ReadOnly) return;
    Span span = Selection();
    if (k == VK_BACK) {
      if (span.Length == 0) {
        if (span.Start == 0) return;
        span = {span.Start - 1, 1};
      }
      Replace(span, {});
    } else if (k >= 32 && k != 127 && Room(span) > 0) {
      std::string typed;
      utf8::Append(typed, k);
      Replace(span, typed);
    }
  });
}

void TCustomEdit::TypeText(const std::string& text) {
  for (std::size_t pos = 0; pos < text.size();) TypeKey(utf8::Next(text, pos));
}

void TCustomEdit::PressDelete() {
  if (!IsReachable() || ReadOnly) return;
  Application->Dispatch([this] {
    Span span = Selection();
    if (span.Length == 0) {
      if (span.Start == TextLength()) return;
      span.Length = 1;
    }
    Replace(span, {});
  });
}

void TCustomEdit::CopyToClipboard() {
  if (PasswordChar != 0 || SelLength() == 0) return;
  Application->GetBackend().SetClipboardText(SelText());
}

void TCustomEdit::CutToClipboard() {
  if (!IsReachable() || ReadOnly || PasswordChar != 0 || SelLength() == 0) return;
  Application->Dispatch([this] {
    Application->GetBackend().SetClipboardText(SelText());
    Replace(Selection(), {});
  });
}

void TCustomEdit::PasteFromClipboard() {
  if (!IsReachable() || ReadOnly) return;
  Application->Dispatch([this] {
    std::string pasted = Typeable(Application->GetBackend().ClipboardText());
    const Span span = Selection();
    pasted = utf8::Left(pasted, static_cast<std::size_t>(Room(span)));
    if (!pasted.empty()) Replace(span, pasted);
  });
}

void TCustomEdit::EditText(const std::string& text) {
  if (!IsReachable() || ReadOnly) return;
  Application->Dispatch([this, text] {
    const std::string kept = Typeable(text);
    const Span all{0, TextLength()};
    Replace(all, utf8::Left(kept, static_cast<std::size_t>(Room(all))));
  });
}
