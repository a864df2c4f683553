#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QShortcutEvent>
#include <QTableWidget>
#include <QTimer>

#include "access/UAut.h"
#include "mainwin/UMain.h"
#include "platform/qt/QtText.h"
#include "qt/QtRun.h"
#include "settings/SettingU.h"

namespace {

template <typename Widget>
Widget* WidgetAs(const TComponent& control) {
  return qobject_cast<Widget*>(Screen().WidgetOf(control));
}

// The short-cut reaches the action the way Qt's short-cut map delivers it.
void PressShortCut(QAction* action) {
  QShortcutEvent event(action->shortcut(), 0);
  QApplication::sendEvent(action, &event);
}

}  // namespace

using QtMainWindow = QtRun;

TEST_F(QtMainWindow, HasAFixedClientAreaOf529By319UnderItsMenuBar) {
  FMain->Show();
  QWidget* window = Screen().WindowOf(*FMain);
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(window->windowTitle(), QString("Операционная часть автомата"));
  QWidget* client = Screen().WidgetOf(*FMain->Label1)->parentWidget();
  EXPECT_EQ(client->size(), QSize(529, 319));
  EXPECT_EQ(window->minimumSize(), window->maximumSize());
  EXPECT_GT(window->height(), 319);  // the menu bar stands above the client area
  EXPECT_EQ(Screen().WidgetOf(*FMain->StringGrid1)->geometry(), QRect(8, 128, 305, 134));
}

TEST_F(QtMainWindow, MenuItemReachesItsHandler) {
  FMain->Show();
  QAction* authorise = Screen().ActionOf(*FMain->N18);
  ASSERT_NE(authorise, nullptr);
  EXPECT_EQ(authorise->text(), QString("Авторизация пользователя"));
  EXPECT_EQ(authorise->shortcut(), QKeySequence("Ctrl+A"));
  authorise->trigger();
  EXPECT_FALSE(FAut->Visible) << "the handler runs after Qt's own handling, not inside it";
  ProcessEvents();
  EXPECT_TRUE(FAut->Visible);
  EXPECT_TRUE(Screen().WindowOf(*FAut)->isVisible());
}

TEST_F(QtMainWindow, ShortCutsOfADisabledMenuDoNothingUntilItIsEnabled) {
  FMain->Show();
  QAction* general = Screen().ActionOf(*FMain->N14);
  QAction* password = Screen().ActionOf(*FMain->N20);
  ASSERT_NE(general, nullptr);
  ASSERT_NE(password, nullptr);
  EXPECT_EQ(general->shortcut(), QKeySequence(Qt::Key_F5));
  EXPECT_EQ(password->shortcut(), QKeySequence("Ctrl+P"));
  EXPECT_FALSE(general->isEnabled());
  EXPECT_FALSE(password->isEnabled());
  PressShortCut(general);
  ProcessEvents();
  EXPECT_FALSE(FSetting->Visible);

  FMain->GateSchematicRead();
  Screen().Sync();
  EXPECT_TRUE(general->isEnabled());
  PressShortCut(general);
  ProcessEvents();
  EXPECT_TRUE(FSetting->Visible);
}

using QtControls = QtRun;

TEST_F(QtControls, ButtonClickReachesItsHandlerQueued) {
  TForm* form = NewForm();
  auto* button = new TButton(form);
  button->SetParent(form);
  button->SetBounds(10, 10, 80, 25);
  button->Caption = "Нажми";
  int clicks = 0;
  button->OnClick = [&](TObject*) { ++clicks; };
  form->Show();
  auto* widget = Screen().WidgetOf(*button);
  ASSERT_NE(widget, nullptr);
  EXPECT_EQ(widget->geometry(), QRect(10, 10, 80, 25));
  ClickWidget(widget);
  EXPECT_EQ(clicks, 0);
  ProcessEvents();
  EXPECT_EQ(clicks, 1);

  button->Enabled = false;
  Screen().Sync();
  ClickWidget(widget);
  ProcessEvents();
  EXPECT_EQ(clicks, 1);
}

TEST_F(QtControls, TypedKeysPassTheModelAndSwallowedOnesNeverReachTheField) {
  TForm* form = NewForm();
  auto* edit = new TEdit(form);
  edit->SetParent(form);
  edit->SetBounds(10, 10, 120, 21);
  edit->OnKeyPress = [](TObject*, char32_t& key) {
    if (key != U'0' && key != U'1' && key != VK_BACK) key = 0;
  };
  form->Show();
  auto* field = WidgetAs<QLineEdit>(*edit);
  ASSERT_NE(field, nullptr);
  PressKey(field, Qt::Key_1, "1");
  PressKey(field, Qt::Key_X, "x");
  PressKey(field, Qt::Key_0, "0");
  EXPECT_EQ(field->text(), QString()) << "Qt must not edit the text itself";
  ProcessEvents();
  EXPECT_EQ(edit->Text, "10");
  EXPECT_EQ(field->text(), QString("10"));

  // A paste and Delete edit through the model too: the filter keeps the "x" out.
  PressKey(field, Qt::Key_Backspace);
  QApplication::clipboard()->setText("1x0");
  PressKey(field, Qt::Key_V, "\x16", Qt::ControlModifier);
  PressKey(field, Qt::Key_Home);
  PressKey(field, Qt::Key_Delete);
  ProcessEvents();
  EXPECT_EQ(edit->Text, "10");
  EXPECT_EQ(field->text(), QString("10"));
}

TEST_F(QtControls, RunTimeControlGetsAWidgetAndLosesItWhenFreed) {
  TForm* form = NewForm(300, 200);
  form->Show();
  auto* edit = new TLabeledEdit(form);
  edit->SetParent(form);
  edit->SetBounds(100, 50, 60, 21);
  edit->EditLabel.Caption = "Поле";
  edit->EditLabel.Font.Color = clRed;
  edit->LabelPosition = TLabelPosition::lpLeft;
  edit->Text = "7";
  Screen().Sync();
  QPointer<QLineEdit> field = WidgetAs<QLineEdit>(*edit);
  ASSERT_NE(field, nullptr);
  EXPECT_EQ(field->window(), Screen().WindowOf(*form));
  EXPECT_TRUE(field->isVisible());
  EXPECT_EQ(field->text(), QString("7"));
  QPointer<QLabel> label;
  for (QLabel* candidate : field->parentWidget()->findChildren<QLabel*>())
    if (candidate->text() == "Поле") label = candidate;
  ASSERT_NE(label, nullptr);
  EXPECT_LT(label->geometry().right(), 100) << "a label on the left ends before the edit";
  EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(Qt::red));

  delete edit;
  Screen().Sync();
  EXPECT_FALSE(field->isVisible());
  EXPECT_FALSE(label->isVisible());
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(field.isNull());
  EXPECT_TRUE(label.isNull());
}

TEST_F(QtControls, GridShowsItsHeaderRowAndTheModelDecidesTheSelection) {
  TForm* form = NewForm(320, 200);
  auto* grid = new TStringGrid(form);
  grid->SetParent(form);
  grid->SetBounds(0, 0, 300, 180);
  grid->SetColCount(2);
  grid->SetRowCount(4);
  grid->Cells(0, 0) = "Имя";
  grid->Cells(1, 2) = "b";
  std::vector<int> asked;
  grid->OnSelectCell = [&](TObject*, int, int row, bool& canSelect) {
    asked.push_back(row);
    canSelect = row != 3;
  };
  form->Show();
  auto* table = WidgetAs<QTableWidget>(*grid);
  ASSERT_NE(table, nullptr);
  EXPECT_EQ(table->rowCount(), 3);
  EXPECT_EQ(table->horizontalHeaderItem(0)->text(), QString("Имя"));
  EXPECT_EQ(table->item(1, 1)->text(), QString("b"));

  const QPoint row2 = table->visualRect(table->model()->index(1, 1)).center();
  ClickWidget(table->viewport(), row2);
  ProcessEvents();
  EXPECT_EQ(asked, (std::vector<int>{2}));
  EXPECT_EQ(grid->Row, 2);
  EXPECT_EQ(table->currentRow(), 1);

  PressKey(table, Qt::Key_Down);
  ProcessEvents();
  EXPECT_EQ(asked, (std::vector<int>{2, 3}));
  EXPECT_EQ(grid->Row, 2) << "the handler refused row 3";
  EXPECT_EQ(table->currentRow(), 1);

  grid->Cells(1, 2) = "c";
  Screen().Sync();
  EXPECT_EQ(table->item(1, 1)->text(), QString("c"));
  grid->SetRowCount(2);
  Screen().Sync();
  EXPECT_EQ(table->rowCount(), 1);
}

using QtModalWindow = QtRun;

TEST_F(QtModalWindow, LoopReturnsWhenTheUserClosesTheWindow) {
  TForm* form = NewForm();
  bool closed = false;
  form->OnClose = [&](TObject*, TCloseAction&) { closed = true; };
  QTimer::singleShot(0, [form] {
    QWidget* window = Screen().WindowOf(*form);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowModality(), Qt::ApplicationModal);
    QCloseEvent closeBox;
    QApplication::sendEvent(window, &closeBox);
    EXPECT_FALSE(closeBox.isAccepted()) << "the model, not Qt, closes the window";
  });
  EXPECT_EQ(form->ShowModal(), mrCancel);
  EXPECT_TRUE(closed);
  EXPECT_FALSE(Screen().WindowOf(*form)->isVisible());
}

TEST_F(QtModalWindow, LoopReturnsWhenTheModalResultIsSet) {
  TForm* form = NewForm();
  auto* ok = new TButton(form);
  ok->SetParent(form);
  ok->SetBounds(10, 10, 80, 25);
  ok->OnClick = [form](TObject*) { form->ModalResult = mrOk; };
  QTimer::singleShot(0, [ok] { ClickWidget(Screen().WidgetOf(*ok)); });
  EXPECT_EQ(form->ShowModal(), mrOk);
}

TEST(QtText, ModelFilterBecomesQtNameFilters) {
  EXPECT_EQ(ToNameFilters("Файл проекта|*.bdf|Вектор|*.tbl|Результат|*.sim.tbl"),
            (QStringList{"Файл проекта (*.bdf)", "Вектор (*.tbl)", "Результат (*.sim.tbl)"}));
  EXPECT_EQ(ToNameFilters("Таблицы|*.tbl;*.txt"), QStringList{"Таблицы (*.tbl *.txt)"});
  EXPECT_EQ(ToQColor(clRed), QColor(255, 0, 0));
  EXPECT_EQ(ToQColor(0x00804020), QColor(0x20, 0x40, 0x80));
}

TEST_F(QtControls, FocusGoesWhereTheModelAsksEachTimeItAsks) {
  TForm* form = NewForm(300, 100);
  auto* first = new TEdit(form);
  first->SetParent(form);
  first->SetBounds(10, 10, 100, 21);
  auto* second = new TEdit(form);
  second->SetParent(form);
  second->SetBounds(10, 40, 100, 21);
  form->Show();
  QWidget* window = Screen().WindowOf(*form);
  window->activateWindow();
  ProcessEvents();
  second->SetFocus();
  Screen().Sync();
  EXPECT_TRUE(Screen().WidgetOf(*second)->hasFocus());
  Screen().WidgetOf(*first)->setFocus();  // the user moves on
  second->SetFocus();                      // and the program asks again
  Screen().Sync();
  EXPECT_TRUE(Screen().WidgetOf(*second)->hasFocus());
  delete second;
  EXPECT_EQ(form->ActiveControl(), nullptr);
}
