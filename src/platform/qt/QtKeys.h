#pragma once
// What a key pressed in a text field does. Qt never edits a field's text itself:
// it may keep a key that moves the cursor or the selection, and every key that
// edits goes to the model.
#include <functional>
#include <string>

class QKeyEvent;
class TCustomEdit;

// A key in a field the model types into key by key (a combo box's text): the
// characters it types, or none; Consumed when Qt must not see it. Edits the model
// does not offer there (pasting, cutting, deleting, undoing) are dropped.
struct KeyRoute {
  bool Consumed = false;
  std::u32string Typed;
};
KeyRoute RouteKey(const QKeyEvent& key);

// A key in a one-line edit: what the model does with it, or none; Consumed when
// Qt must not see it. Qt keeps the keys that move the cursor and the selection.
struct EditKeyRoute {
  bool Consumed = false;
  std::function<void(TCustomEdit&)> Action;
};
EditKeyRoute RouteEditKey(const QKeyEvent& key);
