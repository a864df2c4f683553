// The settings window on screen: its code fields and its period field take only
// what the model lets through.
#include <QApplication>
#include <QLineEdit>
#include <QToolButton>

#include "qt/QtRun.h"
#include "settings/SettingU.h"

using QtSettings = QtRun;

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
