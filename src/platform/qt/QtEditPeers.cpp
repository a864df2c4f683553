#include "platform/qt/QtEditPeers.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyleOptionComboBox>
#include <algorithm>

#include "platform/gui/Controls.h"
#include "platform/gui/Menus.h"
#include "platform/qt/QtKeys.h"
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

// The font of a combo box's field: the box's own, made smaller where the longest
// item would not fit the narrow place the window gives the box. The list keeps the
// box's font: it is as wide as its items.
QFont FieldFont(const QComboBox& combo) {
  QStyleOptionComboBox option;
  option.initFrom(&combo);
  option.editable = combo.isEditable();
  option.frame = combo.hasFrame();
  const QRect field = combo.style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, &combo);
  // A line edit keeps its text two pixels from each side, and shows it whole only
  // with room for the cursor and for any glyph reaching past its advance.
  const int sideMargins = 2 * 2, cursor = 1;
  return LargestFitting(combo.font(), [&](const QFontMetrics& metrics) {
    const int room = field.width() - sideMargins - cursor - std::max(0, -metrics.minRightBearing());
    for (int i = 0; i < combo.count(); ++i)
      if (metrics.horizontalAdvance(combo.itemText(i)) > room) return false;
    return true;
  });
}

// An event by which Qt would put text into a field itself: a middle-button paste,
// a drop, an input method's text.
bool BringsTextPastTheModel(const QEvent& event) {
  switch (event.type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease:
      return static_cast<const QMouseEvent&>(event).button() == Qt::MiddleButton;
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
    case QEvent::InputMethod:
      return true;
    default:
      return false;
  }
}

// A key sent to its field once more, when the edits typed before it are done.
class ReplayedKey : public QKeyEvent {
public:
  explicit ReplayedKey(const QKeyEvent& key)
      : QKeyEvent(key.type(), key.key(), key.modifiers(), key.nativeScanCode(), key.nativeVirtualKey(),
                  key.nativeModifiers(), key.text(), key.isAutoRepeat(), static_cast<quint16>(key.count())) {}
};

// The user moved the cursor or the selection in Qt: the model holds them from now
// on, but only on the text it holds itself (an edit still on its way puts the
// cursor anew).
void ReportSelection(QtPeerContext& context, std::uint64_t id, const QLineEdit& field) {
  const QString text = field.text();
  const bool selected = field.hasSelectedText();
  const int from = selected ? field.selectionStart() : field.cursorPosition();
  const int start = CharIndexOf(text, from);
  const int length = selected ? CharIndexOf(text, field.selectionEnd()) - start : 0;
  context.Apply(id, [&](TComponent& component) {
    auto* edit = dynamic_cast<TCustomEdit*>(&component);
    if (!edit || edit->Text != FromQt(text)) return;
    edit->SetSelStart(start);
    edit->SetSelLength(length);
  });
}

// A field whose text only the model changes: it takes no drop and gives none, and
// should Qt edit its text after all, by a way not routed to the model, the model's
// text comes back.
void KeepTextWithTheModel(QLineEdit& field, QtPeerContext& context, std::uint64_t id) {
  field.setAcceptDrops(false);
  field.setDragEnabled(false);
  QObject::connect(&field, &QLineEdit::textEdited, &field,
                   [context = &context, id] { context->Post(id, [](TComponent&) {}); });
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

void QtEditPeer::EditPoster::operator()(std::function<void(TCustomEdit&)> action) const {
  ++*OnTheirWay;
  Context->Post(Id, [count = OnTheirWay, action = std::move(action)](TComponent& component) {
    --*count;
    if (auto* edit = dynamic_cast<TCustomEdit*>(&component)) action(*edit);
  });
}

QtEditPeer::QtEditPeer(QtPeerContext& context, std::uint64_t id)
    : QtPeer(context, id), FEdit(new QLineEdit), FPost{&context, id, std::make_shared<int>(0)} {
  KeepTextWithTheModel(*FEdit, context, id);
  SetWidget(FEdit);
  const auto report = [context = &context, id, field = FEdit] { ReportSelection(*context, id, *field); };
  QObject::connect(FEdit, &QLineEdit::cursorPositionChanged, FEdit, report);
  QObject::connect(FEdit, &QLineEdit::selectionChanged, FEdit, report);
}

bool QtEditPeer::Filter(QObject* watched, QEvent* event) {
  if (watched != FEdit) return QtPeer::Filter(watched, event);
  switch (event->type()) {
    case QEvent::KeyPress: return FilterKey(*static_cast<QKeyEvent*>(event));
    case QEvent::ContextMenu: {
      const QPoint at = static_cast<QContextMenuEvent*>(event)->globalPos();
      Post<TCustomEdit>([this, at](TCustomEdit& edit) {
        if (edit.PopupMenu) FContext.ShowPopup(*edit.PopupMenu, at);
        else ShowEditMenu(edit, at);
      });
      return true;
    }
    default: break;
  }
  const bool consumed = QtPeer::Filter(watched, event);
  return BringsTextPastTheModel(*event) || KeepsMouseFromQt(*event) || consumed;
}

bool QtEditPeer::FilterKey(QKeyEvent& key) {
  if (dynamic_cast<ReplayedKey*>(&key)) return false;
  EditKeyRoute route = RouteEditKey(key);
  if (route.Action) {
    FPost(std::move(route.Action));
    return true;
  }
  if (route.Consumed || *FPost.OnTheirWay == 0) return route.Consumed;
  // A key that moves the cursor, while edits typed before it are still on their
  // way: it moves the cursor in the text they leave.
  auto replay = std::make_shared<ReplayedKey>(key);
  FPost([field = QPointer<QLineEdit>(FEdit), replay](TCustomEdit&) {
    if (field) QCoreApplication::sendEvent(field, replay.get());
  });
  return true;
}

// A Shift-drag of a field the program moves selects nothing.
bool QtEditPeer::KeepsMouseFromQt(QEvent& event) {
  switch (event.type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
      const auto& mouse = static_cast<const QMouseEvent&>(event);
      if (mouse.button() == Qt::LeftButton)
        FDragging = FProgramDrags && (mouse.modifiers() & Qt::ShiftModifier);
      return FDragging;
    }
    case QEvent::MouseMove: return FDragging;
    case QEvent::MouseButtonRelease: {
      const auto& mouse = static_cast<const QMouseEvent&>(event);
      const bool dragged = FDragging;
      if (mouse.button() == Qt::LeftButton) FDragging = false;
      return dragged;
    }
    default: return false;
  }
}

// The edit menu of a field without a pop-up menu of its own; every item acts
// through the model.
void QtEditPeer::ShowEditMenu(const TCustomEdit& edit, const QPoint& globalPos) {
  auto* menu = new QMenu(FEdit);
  menu->setAttribute(Qt::WA_DeleteOnClose);
  const bool selected = edit.SelLength() > 0, writable = !edit.ReadOnly, hidden = edit.PasswordChar != 0;
  const auto add = [menu, post = FPost](const char* text, bool enabled, std::function<void(TCustomEdit&)> action) {
    QAction* item = menu->addAction(QCoreApplication::translate("QLineEdit", text));
    item->setEnabled(enabled);
    QObject::connect(item, &QAction::triggered, menu, [post, action] { post(action); });
  };
  add("Cu&t", writable && selected && !hidden, [](TCustomEdit& e) { e.CutToClipboard(); });
  add("&Copy", selected && !hidden, [](TCustomEdit& e) { e.CopyToClipboard(); });
  add("&Paste", writable && !QGuiApplication::clipboard()->text().isEmpty(),
      [](TCustomEdit& e) { e.PasteFromClipboard(); });
  add("Delete", writable && selected, [](TCustomEdit& e) { e.PressDelete(); });
  menu->addSeparator();
  add("Select All", !edit.Text.empty(), [](TCustomEdit& e) { e.SelectAll(); });
  menu->popup(globalPos);
}

QFont QtEditPeer::ShownFont(const TFont& font) const { return ModelFont(font, true); }

void QtEditPeer::SyncContent(TControl& control) {
  auto& edit = static_cast<TCustomEdit&>(control);
  FProgramDrags = edit.OnMouseDown && edit.OnMouseMove;
  const QSignalBlocker blocker(FEdit);
  const QString text = ToQt(edit.Text);
  if (FEdit->text() != text) FEdit->setText(text);
  SyncSelection(edit);
  if (FEdit->isReadOnly() != edit.ReadOnly) FEdit->setReadOnly(edit.ReadOnly);
  if (FPasswordChar != edit.PasswordChar) {
    FPasswordChar = edit.PasswordChar;
    FEdit->setEchoMode(FPasswordChar ? QLineEdit::Password : QLineEdit::Normal);
    FEdit->setStyleSheet(FPasswordChar ? QString("QLineEdit { lineedit-password-character: %1 }")
                                             .arg(static_cast<uint>(FPasswordChar))
                                       : QString());
  }
}

// Changed only where it differs, so a selection the user made towards its start
// keeps its direction.
void QtEditPeer::SyncSelection(const TCustomEdit& edit) {
  const QString text = FEdit->text();
  const int start = Utf16IndexOf(text, edit.SelStart());
  const int end = Utf16IndexOf(text, edit.SelStart() + edit.SelLength());
  if (start == end) {
    if (FEdit->hasSelectedText() || FEdit->cursorPosition() != start) FEdit->setCursorPosition(start);
  } else if (!FEdit->hasSelectedText() || FEdit->selectionStart() != start || FEdit->selectionEnd() != end) {
    FEdit->setSelection(start, end - start);
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
  // The bound label is a graphic control beside its windowed edit.
  if (FLabel->parentWidget() != container) PutInContainer(*FLabel, container, true);
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
  KeepTextWithTheModel(*FCombo->lineEdit(), context, id);
  QObject::connect(FCombo, &QComboBox::activated, [this](int index) {
    FCombo->lineEdit()->setCursorPosition(0);  // a long item is shown from its start
    Post<TComboBox>([index](TComboBox& combo) { combo.ChooseItem(index); });
  });
  SetWidget(FCombo);
  Watch(FCombo->lineEdit());
}

// Every combo box of the program takes its text from its list only: typed keys go
// to the model, and no other way of putting text in reaches Qt.
bool QtComboBoxPeer::Filter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    KeyRoute route = RouteKey(*static_cast<QKeyEvent*>(event));
    for (char32_t key : route.Typed) Post<TComboBox>([key](TComboBox& combo) { combo.TypeKey(key); });
    if (route.Consumed) return true;
  }
  const bool consumed = QtPeer::Filter(watched, event);
  return BringsTextPastTheModel(*event) || consumed;
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
  const QFont field = FieldFont(*FCombo);
  if (FCombo->lineEdit()->font() != field) FCombo->lineEdit()->setFont(field);
}
