#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QMouseEvent>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>

#include "access/UPass.h"
#include "mainwin/UMain.h"
#include "qt/QtRun.h"
#include "settings/SettingU.h"

namespace {

void SendMouse(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held,
               Qt::KeyboardModifiers modifiers) {
  QMouseEvent event(type, QPointF(at), QPointF(widget->mapToGlobal(at)), button, held, modifiers);
  QApplication::sendEvent(widget, &event);
}

// Answers the next message box by pressing a key in it.
void PressKeyInNextBox(int key) {
  QTimer::singleShot(0, [key] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    PressKey(box, key);
  });
}

// Shows an information box, answers it with Enter and tells the window it stood over.
QWidget* OwnerOfBox() {
  QWidget* owner = nullptr;
  QTimer::singleShot(0, [&owner] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    owner = box->parentWidget();
    PressKey(box, Qt::Key_Return);
  });
  Screen().ShowMessageBox({TMsgDlgType::mtInformation, mbOK, "Информация", "Просмотр завершен"});
  return owner;
}

}  // namespace

using QtInput = QtRun;

TEST_F(QtInput, MouseEventsCarryButtonShiftAndPlaceRelativeToTheControl) {
  TForm* form = NewForm(300, 200);
  auto* edit = new TEdit(form);
  edit->SetParent(form);
  edit->SetBounds(50, 40, 100, 21);
  std::vector<std::string> seen;
  const auto describe = [](const char* what, TShiftState shift, int x, int y) {
    return std::string(what) + (shift & ssShift ? " shift" : "") + (shift & ssLeft ? " left" : "") + " " +
           std::to_string(x) + "," + std::to_string(y);
  };
  edit->OnMouseDown = [&](TObject*, TMouseButton button, TShiftState shift, int x, int y) {
    seen.push_back(describe(button == TMouseButton::mbLeft ? "down" : "down?", shift, x, y));
  };
  edit->OnMouseMove = [&](TObject*, TShiftState shift, int x, int y) { seen.push_back(describe("move", shift, x, y)); };
  edit->OnMouseUp = [&](TObject*, TMouseButton, TShiftState shift, int x, int y) {
    seen.push_back(describe("up", shift, x, y));
  };
  edit->Text = "0101010101010101";
  form->Show();
  QWidget* field = Screen().WidgetOf(*edit);
  EXPECT_TRUE(field->hasMouseTracking()) << "a move handler asks for every move";
  SendMouse(field, QEvent::MouseButtonPress, {5, 6}, Qt::LeftButton, Qt::LeftButton, Qt::ShiftModifier);
  SendMouse(field, QEvent::MouseMove, {30, 8}, Qt::NoButton, Qt::LeftButton, Qt::ShiftModifier);
  SendMouse(field, QEvent::MouseButtonRelease, {30, 8}, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
  ProcessEvents();
  EXPECT_EQ(seen, (std::vector<std::string>{"down shift left 5,6", "move shift left 30,8", "up 30,8"}));
  EXPECT_FALSE(qobject_cast<QLineEdit*>(field)->hasSelectedText()) << "the program's Shift-drag selects nothing";
  EXPECT_EQ(edit->SelLength(), 0);
}

TEST_F(QtInput, SelectAllAndTypingReplacesAPassword) {
  FPassw->Show();
  ProcessEvents();
  auto* field = qobject_cast<QLineEdit*>(Screen().WidgetOf(*FPassw->LabeledEdit1));
  ASSERT_NE(field, nullptr);
  ASSERT_EQ(QApplication::focusWidget(), field) << "the window opens with its field focused";
  for (QChar c : QString("607"))
    PressKey(field, Qt::Key_0 + (c.unicode() - '0'), c);
  PressKey(field, Qt::Key_A, "\x01", Qt::ControlModifier);
  for (QChar c : QString("60718"))
    PressKey(field, Qt::Key_0 + (c.unicode() - '0'), c);
  ProcessEvents();
  EXPECT_EQ(FPassw->LabeledEdit1->Text, "60718");
  EXPECT_EQ(field->displayText(), QString("*****"));
  QApplication::clipboard()->setText("kept");
  PressKey(field, Qt::Key_A, "\x01", Qt::ControlModifier);
  PressKey(field, Qt::Key_C, "\x03", Qt::ControlModifier);
  ProcessEvents();
  EXPECT_EQ(QApplication::clipboard()->text(), QString("kept")) << "a password is never copied";
}

TEST_F(QtInput, ChoicesGoThroughTheModelAndValuesSetByCodeFireNoHandler) {
  TForm* form = NewForm(300, 200);
  auto* group = new TRadioGroup(form);
  group->SetParent(form);
  group->SetBounds(8, 8, 185, 73);
  group->Items = {"Автоматический", "Пошаговый"};
  group->ItemIndex = 0;
  auto* combo = new TComboBox(form);
  combo->SetParent(form);
  combo->SetBounds(8, 100, 150, 21);
  combo->Items = {"мкс", "нс"};
  combo->OnKeyPress = [](TObject*, char32_t& key) { key = 0; };
  int groupClicks = 0, comboChanges = 0;
  group->OnClick = [&](TObject*) { ++groupClicks; };
  combo->OnChange = [&](TObject*) { ++comboChanges; };
  form->Show();

  auto buttons = Screen().WidgetOf(*group)->findChildren<QRadioButton*>();
  ASSERT_EQ(buttons.size(), 2);
  EXPECT_TRUE(buttons[0]->isChecked());
  buttons[1]->click();
  ProcessEvents();
  EXPECT_EQ(group->ItemIndex, 1);
  EXPECT_EQ(groupClicks, 1);
  group->ItemIndex = 0;  // by program
  Screen().Sync();
  ProcessEvents();
  EXPECT_TRUE(buttons[0]->isChecked());
  EXPECT_EQ(groupClicks, 1);

  auto* box = qobject_cast<QComboBox*>(Screen().WidgetOf(*combo));
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->count(), 2);
  PressKey(box, Qt::Key_Down);
  ProcessEvents();
  EXPECT_EQ(combo->ItemIndex, 0);
  EXPECT_EQ(combo->Text, "мкс");
  EXPECT_EQ(comboChanges, 1);
  PressKey(box, Qt::Key_Z, "z");
  ProcessEvents();
  EXPECT_EQ(box->currentText(), QString("мкс")) << "the key was swallowed";
}

TEST_F(QtInput, NoTextReachesAListOnlyComboBoxOrACodeFieldByMouseDropOrInputMethod) {
  FSetting->Show();
  Screen().Sync();
  auto* box = qobject_cast<QComboBox*>(Screen().WidgetOf(*FSetting->ComboBox1));
  auto* mantissa = qobject_cast<QLineEdit*>(Screen().WidgetOf(*FSetting->LabeledEdit2));
  ASSERT_NE(box, nullptr);
  ASSERT_NE(mantissa, nullptr);
  // Where the platform has a selection, a middle click would paste it; where it
  // has none, the click would still move the cursor.
  if (QApplication::clipboard()->supportsSelection()) QApplication::clipboard()->setText("ZZZ", QClipboard::Selection);
  QMimeData dragged;
  dragged.setText("ZZZ");

  // A middle click at the end of the field, then text dragged there and dropped:
  // neither reaches the field, which would move its cursor even where it has no
  // room for more text, and the model's text stays as it was.
  const auto pasteAndDrop = [&](const char* name, QLineEdit* field, const std::string& modelText) {
    SCOPED_TRACE(name);
    field->setCursorPosition(0);
    ProcessEvents();
    const QString shown = field->text();
    const std::string held = modelText;
    const auto unchanged = [&](const char* how) {
      EXPECT_EQ(field->text(), shown) << how << " reaches the field";
      EXPECT_EQ(field->cursorPosition(), 0) << how << " reaches the field";
      ProcessEvents();
      EXPECT_EQ(modelText, held) << how;
    };
    const QPoint end(field->width() - 2, field->height() / 2);
    SendMouse(field, QEvent::MouseButtonPress, end, Qt::MiddleButton, Qt::MiddleButton, Qt::NoModifier);
    SendMouse(field, QEvent::MouseButtonRelease, end, Qt::MiddleButton, Qt::NoButton, Qt::NoModifier);
    unchanged("middle click");

    QDragEnterEvent enter(end, Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
    QDragMoveEvent move(end, Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
    QDropEvent drop(QPointF(end), Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
    for (QEvent* step : std::initializer_list<QEvent*>{&enter, &move, &drop}) QApplication::sendEvent(field, step);
    unchanged("drop");
  };
  pasteAndDrop("time unit", box->lineEdit(), FSetting->ComboBox1->Text);
  pasteAndDrop("X mantissa", mantissa, FSetting->LabeledEdit2->Text);

  const std::string unit = FSetting->ComboBox1->Text;
  QInputMethodEvent composed;
  composed.setCommitString("ZZZ");
  QApplication::sendEvent(box->lineEdit(), &composed);
  EXPECT_EQ(box->currentText().toStdString(), unit) << "input method reaches the field";
  ProcessEvents();
  EXPECT_EQ(FSetting->ComboBox1->Text, unit) << "input method";

  box->lineEdit()->insert("ZZZ");  // by some way Qt has that passes the model by
  ProcessEvents();
  EXPECT_EQ(box->currentText().toStdString(), unit) << "the model's text comes back";
}

TEST_F(QtInput, UpDownArrowsStepTheModelWithinItsBounds) {
  TForm* form = NewForm();
  auto* edit = new TEdit(form);
  edit->SetParent(form);
  edit->SetBounds(8, 8, 60, 21);
  edit->ReadOnly = true;
  auto* upDown = new TUpDown(form);
  upDown->SetParent(form);
  upDown->SetBounds(68, 8, 16, 21);
  upDown->Associate = edit;
  upDown->Min = 30;
  upDown->Max = 40;
  upDown->Increment = 10;
  upDown->SetPosition(30);
  form->Show();
  auto arrows = Screen().WidgetOf(*upDown)->findChildren<QToolButton*>();
  ASSERT_EQ(arrows.size(), 2);
  arrows[0]->click();
  arrows[0]->click();
  ProcessEvents();
  EXPECT_EQ(upDown->Position, 40);
  EXPECT_EQ(qobject_cast<QLineEdit*>(Screen().WidgetOf(*edit))->text(), QString("40"));
  arrows[1]->click();
  ProcessEvents();
  EXPECT_EQ(upDown->Position, 30);
}

TEST_F(QtInput, RightClickOnTheGridOffersItsPopupMenu) {
  FMain->Show();
  FMain->GateSchematicRead();
  Screen().Sync();
  QWidget* grid = Screen().WidgetOf(*FMain->StringGrid1);
  auto* viewport = grid->findChild<QWidget*>("qt_scrollarea_viewport");
  ASSERT_NE(viewport, nullptr);
  QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(10, 10), viewport->mapToGlobal(QPoint(10, 10)));
  QApplication::sendEvent(viewport, &event);
  ProcessEvents();
  QMenu* popup = nullptr;
  for (QWidget* top : QApplication::topLevelWidgets())
    if (auto* menu = qobject_cast<QMenu*>(top); menu && menu->isVisible()) popup = menu;
  ASSERT_NE(popup, nullptr);
  ASSERT_EQ(popup->actions().size(), 1);
  EXPECT_EQ(popup->actions()[0]->text(), QString("Завершить ввод"));
  popup->hide();
}

TEST_F(QtInput, StepMarkShowsItsWhiteTransparentAndTheStatusBarStaysHidden) {
  FMain->Show();
  FMain->GateSchematicRead();
  Screen().Sync();
  auto* mark = qobject_cast<QLabel*>(Screen().WidgetOf(*FMain->Image1));
  ASSERT_NE(mark, nullptr);
  EXPECT_TRUE(mark->isVisible());
  const QImage picture = mark->pixmap().toImage();
  EXPECT_EQ(picture.size(), QSize(20, 20));
  EXPECT_EQ(qAlpha(picture.pixel(0, 0)), 0) << "white is not drawn";
  EXPECT_EQ(qAlpha(picture.pixel(8, 16)), 255) << "the tick is";
  EXPECT_FALSE(Screen().WidgetOf(*FMain->StatusBar1)->isVisible());
  EXPECT_FALSE(Screen().WidgetOf(*FMain->Image2)->isVisible());
}

TEST_F(QtInput, MessageBoxAnswersWithTheButtonPressedAndEscapeCancels) {
  const MessageBoxRequest question{TMsgDlgType::mtConfirmation, mbYes | mbNo | mbCancel, "Вопрос", "Сохранить?"};
  PressKeyInNextBox(Qt::Key_Escape);
  EXPECT_EQ(Screen().ShowMessageBox(question), mrCancel);
  PressKeyInNextBox(Qt::Key_Return);
  EXPECT_EQ(Screen().ShowMessageBox(question), mrYes);
  PressKeyInNextBox(Qt::Key_Escape);
  EXPECT_EQ(Screen().ShowMessageBox({TMsgDlgType::mtWarning, mbYes | mbNo, "Вопрос", "Удалить?"}), mrNo);
}

TEST_F(QtInput, ABoxBelongsToTheWindowActivatedLastThatIsStillShown) {
  FMain->Show();
  ProcessEvents();
  TForm* result = NewForm();
  result->Show();  // Qt hears of the activation only later, as from a window manager
  EXPECT_EQ(OwnerOfBox(), Screen().WindowOf(*result)) << "the window the program has just shown";
  ProcessEvents();
  EXPECT_EQ(QApplication::activeWindow(), Screen().WindowOf(*result)) << "the box gives it the focus back";
  Screen().WindowOf(*FMain)->activateWindow();  // the user goes back to the main window
  ProcessEvents();
  EXPECT_EQ(OwnerOfBox(), Screen().WindowOf(*FMain));
  result->Close();  // and the program opens it afresh in one action
  result->Show();
  EXPECT_EQ(OwnerOfBox(), Screen().WindowOf(*result)) << "a window shown again comes to the front";
  result->Close();
  Screen().Sync();
  EXPECT_EQ(OwnerOfBox(), Screen().WindowOf(*FMain)) << "the window closed before the box is passed over";

  TForm* dialog = NewForm();
  QWidget* modalOwner = nullptr;
  QTimer::singleShot(0, [&] {
    modalOwner = OwnerOfBox();
    dialog->Close();
    Screen().Sync();
  });
  dialog->ShowModal();
  EXPECT_EQ(modalOwner, Screen().WindowOf(*dialog));
}
