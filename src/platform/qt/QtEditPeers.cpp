#include "platform/qt/QtEditPeers.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QKeyEvent>
#include <QScrollBar>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>

#include "platform/gui/Controls.h"
#include "platform/qt/QtText.h"

namespace {

// A combo box whose drop-down list is as wide as its longest item: the box keeps
// the narrow place its window gives it, but every item can be read in full.
class WideListComboBox : public QComboBox {
public:
  void showPopup() override {
    QAbstractItemView* list = view();
    const int scrollBar = count() > maxVisibleItems() ? list->verticalScrollBar()->sizeHint().width() : 0;
    list->setMinimumWidth(list->sizeHintForColumn(0) + scrollBar + 2 * list->frameWidth());
    list->setTextElideMode(Qt::ElideNone);
    QComboBox::showPopup();
  }
};

// What a key pressed in a text field does: Qt may keep it (moving the cursor,
// selecting, copying, Tab), it goes to the model as typed characters, or it is
// dropped (pasting, cutting, deleting, undoing: edits the model does not offer).
struct KeyRoute {
  bool Consumed = false;
  std::u32string Typed;
};

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

// Routes a key event of a text field; true when Qt must not see it.
template <typename Field>
bool FilterTyping(QEvent* event, const std::function<void(std::function<void(Field&)>)>& post) {
  if (event->type() == QEvent::InputMethod) return true;
  if (event->type() != QEvent::KeyPress) return false;
  KeyRoute route = RouteKey(*static_cast<QKeyEvent*>(event));
  for (char32_t key : route.Typed) post([key](Field& field) { field.TypeKey(key); });
  return route.Consumed;
}

void DisableDrops(QLineEdit* edit) {
  edit->setAcceptDrops(false);
  edit->setDragEnabled(false);
}

QRect BoundLabelPlace(const TLabeledEdit& edit, QSize label) {
  const int w = label.width(), h = label.height(), gap = edit.LabelSpacing;
  const int middle = edit.Top + (edit.Height - h) / 2;
  switch (edit.LabelPosition) {
    case TLabelPosition::lpAbove: return QRect(edit.Left, edit.Top - h - gap, w, h);
    case TLabelPosition::lpBelow: return QRect(edit.Left, edit.Top + edit.Height + gap, w, h);
    case TLabelPosition::lpLeft: return QRect(edit.Left - w - gap, middle, w, h);
    case TLabelPosition::lpRight: return QRect(edit.Left + edit.Width + gap, middle, w, h);
  }
  return {};
}

}  // namespace

QtEditPeer::QtEditPeer(QtPeerContext& context, std::uint64_t id)
    : QtPeer(context, id), FEdit(new QLineEdit) {
  DisableDrops(FEdit);
  SetWidget(FEdit);
}

bool QtEditPeer::Filter(QObject* watched, QEvent* event) {
  if (watched == FEdit &&
      FilterTyping<TCustomEdit>(event, [this](auto action) { Post<TCustomEdit>(std::move(action)); }))
    return true;
  return QtPeer::Filter(watched, event);
}

QFont QtEditPeer::ShownFont(const TFont& font) const { return ModelFont(font, true); }

void QtEditPeer::SyncContent(TControl& control) {
  auto& edit = static_cast<TCustomEdit&>(control);
  const QString text = ToQt(edit.Text);
  if (FEdit->text() != text) {
    const QSignalBlocker blocker(FEdit);
    FEdit->setText(text);
  }
  if (FEdit->isReadOnly() != edit.ReadOnly) FEdit->setReadOnly(edit.ReadOnly);
  if (FPasswordChar != edit.PasswordChar) {
    FPasswordChar = edit.PasswordChar;
    FEdit->setEchoMode(FPasswordChar ? QLineEdit::Password : QLineEdit::Normal);
    FEdit->setStyleSheet(FPasswordChar ? QString("QLineEdit { lineedit-password-character: %1 }")
                                             .arg(static_cast<uint>(FPasswordChar))
                                       : QString());
  }
}

QtLabeledEditPeer::QtLabeledEditPeer(QtPeerContext& context, std::uint64_t id)
    : QtEditPeer(context, id), FLabel(new QLabel) {
  FLabel->setTextFormat(Qt::PlainText);
  FLabel->setAttribute(Qt::WA_NoMousePropagation);
}

QtLabeledEditPeer::~QtLabeledEditPeer() {
  if (FLabel) {
    FLabel->hide();
    FLabel->deleteLater();
  }
}

void QtLabeledEditPeer::Sync(TControl& control, QWidget* container) {
  QtEditPeer::Sync(control, container);
  auto& edit = static_cast<TLabeledEdit&>(control);
  if (FLabel->parentWidget() != container) FLabel->setParent(container);
  if (!FLabelFontSet || !SameFont(FLabelFont, edit.EditLabel.Font)) {
    FLabelFont = edit.EditLabel.Font;
    FLabelFontSet = true;
    FLabel->setFont(ModelFont(FLabelFont));
    SetFontColour(*FLabel, FLabelFont.Color);
  }
  const QString caption = ToQt(edit.EditLabel.Caption);
  if (FLabel->text() != caption) FLabel->setText(caption);
  const QRect place = BoundLabelPlace(edit, FLabel->fontMetrics().size(0, caption));
  if (FLabel->geometry() != place) FLabel->setGeometry(place);
  if (FLabel->testAttribute(Qt::WA_ForceDisabled) == edit.Enabled) FLabel->setEnabled(edit.Enabled);
  if (FLabel->isHidden() == edit.Visible) FLabel->setVisible(edit.Visible);
}

QtMemoPeer::QtMemoPeer(QtPeerContext& context, std::uint64_t id)
    : QtPeer(context, id), FMemo(new QPlainTextEdit) {
  SetWidget(FMemo);
  Watch(FMemo->viewport());
}

QWidget* QtMemoPeer::MouseWidget() const { return FMemo->viewport(); }

QFont QtMemoPeer::ShownFont(const TFont& font) const { return MemoFont(font); }

void QtMemoPeer::SyncContent(TControl& control) {
  auto& memo = static_cast<TMemo&>(control);
  SyncScrollBars(memo.ScrollBars);
  if (FMemo->isReadOnly() != memo.ReadOnly) {
    FMemo->setReadOnly(memo.ReadOnly);
    if (memo.ReadOnly) FMemo->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  }
  SyncLines(memo.Lines);
}

// A memo with scroll bars keeps every line whole and scrolls to its end; one
// without them wraps its lines at its right edge.
void QtMemoPeer::SyncScrollBars(bool scrollBars) {
  const Qt::ScrollBarPolicy bars = scrollBars ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff;
  const QPlainTextEdit::LineWrapMode wrap = scrollBars ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth;
  if (FMemo->verticalScrollBarPolicy() == bars && FMemo->lineWrapMode() == wrap) return;
  FMemo->setVerticalScrollBarPolicy(bars);
  FMemo->setHorizontalScrollBarPolicy(bars);
  FMemo->setLineWrapMode(wrap);
}

// Compared with the lines last shown, not with what the widget holds: what the
// user typed stays until the program puts other lines into the memo.
void QtMemoPeer::SyncLines(const TStringList& lines) {
  const int count = lines.Count();
  bool same = count == static_cast<int>(FLines.size());
  for (int i = 0; same && i < count; ++i) same = lines[i] == FLines[static_cast<std::size_t>(i)];
  if (same) return;
  FLines.assign(static_cast<std::size_t>(count), {});
  QStringList shown;
  shown.reserve(count);
  for (int i = 0; i < count; ++i) {
    FLines[static_cast<std::size_t>(i)] = lines[i];
    shown << ToQt(lines[i]);
  }
  FMemo->setPlainText(shown.join('\n'));
}

QFont QtComboBoxPeer::ShownFont(const TFont& font) const { return ModelFont(font, true); }

QtComboBoxPeer::QtComboBoxPeer(QtPeerContext& context, std::uint64_t id)
    : QtPeer(context, id), FCombo(new WideListComboBox) {
  FCombo->setEditable(true);
  FCombo->setInsertPolicy(QComboBox::NoInsert);
  FCombo->setCompleter(nullptr);
  DisableDrops(FCombo->lineEdit());
  QObject::connect(FCombo, &QComboBox::activated, [this](int index) {
    FCombo->lineEdit()->setCursorPosition(0);  // a long item is shown from its start
    Post<TComboBox>([index](TComboBox& combo) { combo.ChooseItem(index); });
  });
  SetWidget(FCombo);
  Watch(FCombo->lineEdit());
}

bool QtComboBoxPeer::Filter(QObject* watched, QEvent* event) {
  if (FilterTyping<TComboBox>(event, [this](auto action) { Post<TComboBox>(std::move(action)); }))
    return true;
  return QtPeer::Filter(watched, event);
}

void QtComboBoxPeer::SyncContent(TControl& control) {
  auto& combo = static_cast<TComboBox&>(control);
  const QSignalBlocker blocker(FCombo);
  if (combo.Items != FItems) {
    FItems = combo.Items;
    FCombo->clear();
    for (const std::string& item : FItems) FCombo->addItem(ToQt(item));
  }
  bool shownAnew = false;
  if (FCombo->currentIndex() != combo.ItemIndex) {
    FCombo->setCurrentIndex(combo.ItemIndex);
    shownAnew = true;
  }
  const QString text = ToQt(combo.Text);
  if (FCombo->currentText() != text) {
    FCombo->setEditText(text);
    shownAnew = true;
  }
  // Show a text longer than the field from its start, as the model wrote it.
  if (shownAnew) FCombo->lineEdit()->setCursorPosition(0);
}
