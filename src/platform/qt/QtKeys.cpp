#include "platform/qt/QtKeys.h"

#include <QKeyEvent>

#include "platform/gui/Controls.h"

KeyRoute RouteKey(const QKeyEvent& key) {
  static const QKeySequence::StandardKey dropped[] = {
      QKeySequence::Paste, QKeySequence::Cut, QKeySequence::Undo, QKeySequence::Redo,
      QKeySequence::Delete, QKeySequence::DeleteStartOfWord, QKeySequence::DeleteEndOfWord,
      QKeySequence::DeleteEndOfLine, QKeySequence::DeleteCompleteLine};
  for (QKeySequence::StandardKey standard : dropped)
    if (key.matches(standard)) return {true, {}};
  switch (key.key()) {
    case Qt::Key_Backspace: return {true, std::u32string(1, VK_BACK)};
    case Qt::Key_Return:
    case Qt::Key_Enter: return {true, std::u32string(1, U'\r')};
    case Qt::Key_Delete: return {true, {}};
    default: break;
  }
  if (key.modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) return {};
  std::u32string typed;
  for (char32_t c : key.text().toUcs4())
    if (c >= 32 && c != 127) typed += c;
  if (typed.empty()) return {};
  return {true, typed};
}

EditKeyRoute RouteEditKey(const QKeyEvent& key) {
  // Shift+Del, Ctrl+Ins and Shift+Ins are among Qt's cut, copy and paste keys.
  if (key.matches(QKeySequence::Cut)) return {true, [](TCustomEdit& edit) { edit.CutToClipboard(); }};
  if (key.matches(QKeySequence::Copy)) return {true, [](TCustomEdit& edit) { edit.CopyToClipboard(); }};
  if (key.matches(QKeySequence::Paste)) return {true, [](TCustomEdit& edit) { edit.PasteFromClipboard(); }};
  if (key.matches(QKeySequence::Delete)) return {true, [](TCustomEdit& edit) { edit.PressDelete(); }};
  KeyRoute route = RouteKey(key);
  if (route.Typed.empty()) return {route.Consumed, {}};
  return {true, [typed = std::move(route.Typed)](TCustomEdit& edit) {
            for (char32_t c : typed) edit.TypeKey(c);
          }};
}
