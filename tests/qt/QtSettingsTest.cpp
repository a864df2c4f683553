// The settings window on screen: its code fields and its period field take only
// what the model lets through, at the cursor the user places.
#include <QApplication>
#include <QLineEdit>
#include <QToolButton>

#include "qt/QtRun.h"
#include "settings/SettingU.h"

using QtSettings = QtRun;

namespace {

// The user clicks into a field at the first place that puts its cursor before
// character `position`. A click the window system delivers focuses the field
// first; one sent by a test does not.
void ClickCursorTo(QLineEdit* field, int position) {
  field->setFocus(Qt::MouseFocusReason);
  for (int x = 0; x < field->width(); ++x) {
    ClickWidget(field, QPoint(x, field->height() / 2));
    if (field->cursorPosition() == position) return;
  }
  ADD_FAILURE() << "no place in the field puts the cursor at " << position;
}

}  // namespace

TEST_F(QtSettings, ACodeFieldIsCorrectedAtTheCursorTheUserPlaces) {
  FSetting->Show();
  ProcessEvents();
  auto* mantissa = qobject_cast<QLineEdit*>(Screen().WidgetOf(*FSetting->LabeledEdit2));
  ASSERT_NE(mantissa, nullptr);
  ClickCursorTo(mantissa, 2);
  ASSERT_EQ(QApplication::focusWidget(), mantissa);
  EXPECT_EQ(FSetting->LabeledEdit2->SelStart(), 2);
  PressKey(mantissa, Qt::Key_Backspace);
  PressKey(mantissa, Qt::Key_1, "1");
  ProcessEvents();
  EXPECT_EQ(FSetting->LabeledEdit2->Text, "010000000000000");
  EXPECT_EQ(mantissa->text(), QString("010000000000000"));
  EXPECT_EQ(mantissa->cursorPosition(), 2);

  // Delete, and a selection made with Shift and an arrow, typed over.
  PressKey(mantissa, Qt::Key_Home);
  PressKey(mantissa, Qt::Key_Delete);
  PressKey(mantissa, Qt::Key_Right, {}, Qt::ShiftModifier);
  PressKey(mantissa, Qt::Key_1, "1");
  PressKey(mantissa, Qt::Key_1, "1");
  ProcessEvents();
  EXPECT_EQ(FSetting->LabeledEdit2->Text, "110000000000000");
  EXPECT_EQ(mantissa->text(), QString("110000000000000"));
}

TEST_F(QtSettings, ALetterTypedIntoACodeFieldNeverAppears) {
  FSetting->Show();
  auto* mantissa = qobject_cast<QLineEdit*>(Screen().WidgetOf(*FSetting->LabeledEdit2));
  ASSERT_NE(mantissa, nullptr);
  PressKey(mantissa, Qt::Key_Backspace);
  PressKey(mantissa, Qt::Key_A, "a");
  PressKey(mantissa, Qt::Key_2, "2");
  PressKey(mantissa, Qt::Key_1, "1");
  ProcessEvents();
  EXPECT_EQ(FSetting->LabeledEdit2->Text, "000000000000001");
  EXPECT_EQ(mantissa->text(), QString("000000000000001"));
}

TEST_F(QtSettings, PeriodChangesOnlyThroughItsArrowsWithin30To200) {
  FSetting->Show();
  auto* period = qobject_cast<QLineEdit*>(Screen().WidgetOf(*FSetting->LabeledEdit9));
  ASSERT_NE(period, nullptr);
  PressKey(period, Qt::Key_Backspace);
  PressKey(period, Qt::Key_5, "5");
  ProcessEvents();
  EXPECT_EQ(FSetting->LabeledEdit9->Text, "100");
  EXPECT_EQ(period->text(), QString("100"));

  auto arrows = Screen().WidgetOf(*FSetting->UpDown3)->findChildren<QToolButton*>();
  ASSERT_EQ(arrows.size(), 2);
  for (int i = 0; i < 12; ++i) arrows[0]->click();
  ProcessEvents();
  EXPECT_EQ(period->text(), QString("200"));
  for (int i = 0; i < 20; ++i) arrows[1]->click();
  ProcessEvents();
  EXPECT_EQ(period->text(), QString("30"));
  EXPECT_EQ(FSetting->UpDown3->Position, 30);
}
