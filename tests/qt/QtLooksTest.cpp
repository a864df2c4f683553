// How the real windows look: disabled controls, labels beside fields, memos,
// message boxes and the file dialog.
#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QComboBox>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileDialog>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QScrollBar>
#include <QTableWidget>
#include <QTextBlock>
#include <QThread>
#include <QTimer>
#include <QTreeView>
#include <algorithm>
#include <functional>

#include "mainwin/PinRole.h"
#include "mainwin/RoleNames.h"
#include "mainwin/UAssign.h"
#include "mainwin/UMain.h"
#include "qt/QtRun.h"
#include "results/UFreslook.h"
#include "results/UResultConv.h"
#include "settings/SettingU.h"

namespace {

template <typename Widget>
Widget* WidgetAs(const TComponent& control) {
  return qobject_cast<Widget*>(Screen().WidgetOf(control));
}

QLabel* BoundLabel(const TLabeledEdit& edit) {
  QWidget* container = Screen().WidgetOf(edit)->parentWidget();
  for (QLabel* label : container->findChildren<QLabel*>())
    if (label->text() == QString::fromStdString(edit.EditLabel.Caption)) return label;
  return nullptr;
}

// What the window shows where a control stands: the control and whatever covers
// it. The control is unfocused first, so no blinking cursor tells pictures apart.
QImage ShownOver(const TControl& control) {
  QWidget* widget = Screen().WidgetOf(control);
  widget->clearFocus();
  return widget->parentWidget()->grab(widget->geometry()).toImage();
}

QColor DisabledText() { return QApplication::palette().color(QPalette::Disabled, QPalette::Text); }

// Every line of a memo's text stands on one screen line.
bool NoLineWraps(QPlainTextEdit* memo) {
  QAbstractTextDocumentLayout* layout = memo->document()->documentLayout();
  for (QTextBlock block = memo->document()->begin(); block.isValid(); block = block.next()) {
    layout->blockBoundingRect(block);  // lays the block out
    if (block.layout()->lineCount() != 1) return false;
  }
  return true;
}

struct ShownMessage {
  QStringList Lines;
  int LabelWidth = 0;
  QFont Font;
};

// Shows a message box and reads its text as the box shows it, then closes it.
ShownMessage ShowAndRead(const std::string& text) {
  ShownMessage shown;
  QTimer::singleShot(0, [&shown] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    auto* label = box->findChild<QLabel*>("qt_msgbox_label");
    ASSERT_NE(label, nullptr);
    shown = {label->text().split('\n'), label->width(), label->font()};
    PressKey(box, Qt::Key_Return);
  });
  Screen().ShowMessageBox({TMsgDlgType::mtError, mbOK, "Opbench", text});
  return shown;
}

// Lets Qt run, the file model's own thread too, until the condition holds or
// five seconds have passed; returns whether it holds.
bool ProcessEventsUntil(const std::function<bool()>& done) {
  const QDeadlineTimer deadline(5000);
  while (!done() && !deadline.hasExpired()) {
    QCoreApplication::processEvents();
    QThread::msleep(10);
  }
  ProcessEvents();
  return done();
}

void WriteFile(const std::filesystem::path& path, qint64 bytes, const QDateTime& modified) {
  QFile file(QString::fromStdString(path.string()));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(QByteArray(bytes, 'x'));
  file.flush();  // else the write at closing would date the file anew
  ASSERT_TRUE(file.setFileTime(modified, QFileDevice::FileModificationTime));
}

// The file dialog's detail view, a row's texts by the name in its first column.
struct ShownFiles {
  QMap<QString, QStringList> Rows;
  std::vector<int> ColumnWidths, NeededWidths;
};

// Opens the file dialog on a file, reads what its detail view shows once the
// folder is read, and cancels it.
ShownFiles OpenDialogShows(TOpenDialog& dialog, const std::filesystem::path& file, int rows) {
  ShownFiles shown;
  dialog.FileName = file.string();
  QTimer::singleShot(0, [&shown, rows] {
    auto* box = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    const auto close = qScopeGuard([box] { box->reject(); });
    auto* details = box->findChild<QTreeView*>();
    ASSERT_NE(details, nullptr);
    QAbstractItemModel* model = details->model();
    ASSERT_TRUE(ProcessEventsUntil([&] { return model->rowCount(details->rootIndex()) == rows; }));
    for (int row = 0; row < rows; ++row) {
      QStringList texts;
      for (int column = 0; column < model->columnCount(); ++column)
        texts << model->index(row, column, details->rootIndex()).data().toString();
      shown.Rows[texts.first()] = texts;
    }
    for (int column = 0; column < model->columnCount(); ++column) {
      shown.ColumnWidths.push_back(details->columnWidth(column));
      shown.NeededWidths.push_back(std::max(static_cast<QAbstractItemView*>(details)->sizeHintForColumn(column),
                                            details->header()->sectionSizeHint(column)));
    }
  });
  dialog.Execute();
  return shown;
}

}  // namespace

using QtLooks = QtRun;

TEST_F(QtLooks, DisabledControlsDrawQtsGreyAndEnabledOnesTheirFontColour) {
  FMain->Show();
  FMain->GateSchematicRead();
  FMain->GateInputFinished();
  Screen().Sync();
  auto* finish = WidgetAs<QPushButton>(*FMain->Button1);
  ASSERT_NE(finish, nullptr);
  EXPECT_FALSE(finish->isEnabled());
  EXPECT_EQ(finish->palette().color(QPalette::ButtonText),
            QApplication::palette(finish).color(QPalette::Disabled, QPalette::ButtonText));
  EXPECT_NE(finish->palette().color(QPalette::ButtonText),
            WidgetAs<QPushButton>(*FMain->Button2)->palette().color(QPalette::ButtonText));

  // A field the program makes red is red, field and label, until it is disabled.
  FSetting->Show();
  TLabeledEdit* field = FSetting->LabeledEdit1;
  field->Font.Color = field->EditLabel.Font.Color = clRed;
  Screen().Sync();
  QLabel* label = BoundLabel(*field);
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(WidgetAs<QLineEdit>(*field)->palette().color(QPalette::Text), QColor(Qt::red));
  EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(Qt::red));
  field->Enabled = false;
  Screen().Sync();
  EXPECT_EQ(WidgetAs<QLineEdit>(*field)->palette().color(QPalette::Text), DisabledText());
  EXPECT_EQ(label->palette().color(QPalette::WindowText),
            QApplication::palette().color(QPalette::Disabled, QPalette::WindowText));

  EXPECT_EQ(WidgetAs<QLineEdit>(*FSetting->LabeledEdit7)->palette().color(QPalette::Text), DisabledText())
      << "the decimal value fields are disabled from the start";
}

TEST_F(QtLooks, RoleFieldShowsItsLongestRoleWholeAndNoPinNameCoversIt) {
  const std::string& longest = RoleNames[prEndOfOperation];
  std::vector<QImage> shown;
  for (const std::string pin : {"z", "masterAudioClock", "alu_project_input_y0"}) {
    FAssign->CurrentPin = pin;
    FAssign->Show();
    FAssign->ComboBox1->ItemIndex = prEndOfOperation;
    FAssign->ComboBox1->Text = longest;
    Screen().Sync();
    ProcessEvents();
    shown.push_back(ShownOver(*FAssign->ComboBox1));
    FAssign->Hide();
    Screen().Sync();
  }
  ASSERT_GT(Screen().WidgetOf(*FAssign->Label1)->geometry().right(), FAssign->ComboBox1->Left)
      << "the long name reaches under the field";
  EXPECT_TRUE(shown[1] == shown[0]) << "a long pin name is hidden under the role field";
  EXPECT_TRUE(shown[2] == shown[0]);

  // The field does not scroll to show the end of the role: it shows it all.
  QLineEdit* field = WidgetAs<QComboBox>(*FAssign->ComboBox1)->lineEdit();
  const auto cursorAt = [field](qsizetype position) {
    field->setCursorPosition(static_cast<int>(position));
    field->grab();  // lays the text out as it is shown
    return field->inputMethodQuery(Qt::ImCursorRectangle).toRect().left();
  };
  const int start = cursorAt(0), end = cursorAt(field->text().size());
  EXPECT_EQ(field->text().toStdString(), longest);
  EXPECT_EQ(end - start, QFontMetrics(field->font()).horizontalAdvance(field->text()));
  EXPECT_LE(end, field->width());

  FSetting->Show();
  Screen().Sync();
  EXPECT_EQ(WidgetAs<QComboBox>(*FSetting->ComboBox1)->lineEdit()->font().pixelSize(), 11)
      << "a field its items fit shows them in the window's font";
}

TEST_F(QtLooks, PinGridScrolledToItsEndShowsItsTopRowWhole) {
  FMain->Show();
  FMain->GateSchematicRead();
  FMain->StringGrid1->SetRowCount(12);
  for (int row = 1; row < 12; ++row) FMain->StringGrid1->Cells(0, row) = "P" + std::to_string(row);
  Screen().Sync();
  ProcessEvents();
  auto* grid = WidgetAs<QTableWidget>(*FMain->StringGrid1);
  ASSERT_NE(grid, nullptr);
  QScrollBar* bar = grid->verticalScrollBar();
  ASSERT_GT(bar->maximum(), 0);
  for (const int value : {1, bar->maximum()}) {
    bar->setValue(value);
    ProcessEvents();
    EXPECT_EQ(grid->rowViewportPosition(grid->rowAt(0)), 0) << "scrolled to " << value;
  }
  EXPECT_LE(grid->rowViewportPosition(10) + grid->rowHeight(10), grid->viewport()->height())
      << "the last row is shown in full";
}

TEST_F(QtLooks, TextViewMemoScrollsSidewaysAndKeepsWhatIsTypedUntilTheProgramRefillsIt) {
  FResLook->Show();
  FResLook->Memo1->Lines.Add("    10.0> 1 " + std::string(200, '0') + " = 1 0 ");
  Screen().Sync();
  ProcessEvents();
  auto* memo = WidgetAs<QPlainTextEdit>(*FResLook->Memo1);
  ASSERT_NE(memo, nullptr);
  EXPECT_TRUE(NoLineWraps(memo));
  EXPECT_GT(memo->horizontalScrollBar()->maximum(), 0);
  EXPECT_FALSE(memo->isReadOnly());

  memo->moveCursor(QTextCursor::End);
  PressKey(memo, Qt::Key_A, "a");
  ProcessEvents();
  FResLook->Label1->Caption = "something else changes";
  Screen().Sync();
  EXPECT_TRUE(memo->toPlainText().endsWith("0 a"));
  EXPECT_EQ(FResLook->Memo1->Lines.Count(), 2) << "nothing typed is kept";

  FResLook->Button1->Click();
  EXPECT_EQ(memo->toPlainText(), QString());
}

TEST_F(QtLooks, ReportShowsItsLinesWholeAndTheResultValueWithoutScrolling) {
  const std::string rule(64, '-');
  for (const std::string& line : std::vector<std::string>{"Операнд Х: 1111111111111111", "Значение: -0,999969482421875000", rule, "Операнд Y: 1000000000000001",
        "Значение: -0,000030517578125000", rule, "Результат операции: 1111111111111111",
        "Значение: -0,999969482421875", rule})
    FResConv->Memo1->Lines.Add(line);
  FResConv->Show();
  Screen().Sync();
  ProcessEvents();
  auto* memo = WidgetAs<QPlainTextEdit>(*FResConv->Memo1);
  ASSERT_NE(memo, nullptr);
  EXPECT_EQ(memo->size(), QSize(257, 113));
  EXPECT_TRUE(NoLineWraps(memo));
  EXPECT_FALSE(memo->horizontalScrollBar()->isVisible());
  EXPECT_EQ(memo->verticalScrollBar()->value(), 0);
  QTextCursor resultValue(memo->document()->findBlockByNumber(7));
  resultValue.movePosition(QTextCursor::EndOfBlock);
  EXPECT_LT(memo->cursorRect(resultValue).bottom(), memo->viewport()->height());
}

TEST_F(QtLooks, LongMessageLinesBreakAtBlanksWhileInstructionLinesStayWhole) {
  const std::string sentence =
      "Opbench — учебный стенд для проверки операционной части цифрового автомата, созданный для студентов, "
      "изучающих проектирование автоматов.";
  const ShownMessage about = ShowAndRead(sentence);
  ASSERT_GT(about.Lines.size(), 1);
  EXPECT_EQ(about.Lines.join(' ').toStdString(), sentence);
  for (const QString& line : about.Lines) EXPECT_LE(QFontMetrics(about.Font).horizontalAdvance(line), about.LabelWidth);

  const std::string path = "/" + std::string(300, 'a') + ".tbl";
  const ShownMessage error = ShowAndRead("Не удаётся создать файл " + path);
  ASSERT_GT(error.Lines.size(), 2) << "a word wider than the box is broken too";
  for (const QString& line : error.Lines) EXPECT_LE(QFontMetrics(error.Font).horizontalAdvance(line), error.LabelWidth);

  const ShownMessage instructions = ShowAndRead(
      "3. При успешном завершении симуляции, если данные представлены \n"
      "   не в двоичном коде, то перевести в двоичный можно следующим \n"
      "\t Правой кнопкой мыши вызовите контекстное меню, выберите пункт \n"
      "\t В появившемся окне в разделе Radix из списка выберите Binary ");
  EXPECT_EQ(instructions.Lines,
            (QStringList{"3. При успешном завершении симуляции, если данные представлены ",
                         "   не в двоичном коде, то перевести в двоичный можно следующим ",
                         "     Правой кнопкой мыши вызовите контекстное меню, выберите пункт ",
                         "     В появившемся окне в разделе Radix из списка выберите Binary "}));
  for (const QString& line : instructions.Lines)
    EXPECT_LE(QFontMetrics(instructions.Font).horizontalAdvance(line), instructions.LabelWidth);
}

TEST_F(QtLooks, FileDialogWritesSizesAndDatesInRussianAndCutsNoColumnUnderACLocale) {
  ASSERT_EQ(QLocale::system().language(), QLocale::C) << "the tests run under the C locale";
  const QDateTime modified(QDate(2025, 12, 28), QTime(20, 48));
  const QString longName = "Лабораторная работа 3, операционная часть автомата.bdf";
  WriteFile(folder / "alu.bdf", 3, modified);
  WriteFile(folder / longName.toStdString(), 5000, modified);
  std::filesystem::create_directory(folder / "Проект");
  const ShownFiles shown = OpenDialogShows(*FMain->ProjOpen, folder / "alu.bdf", 3);

  const QStringList alu = shown.Rows.value("alu.bdf");
  ASSERT_EQ(alu.size(), 4);
  EXPECT_EQ(alu[1].toStdString(), "3 байт");
  EXPECT_EQ(alu[3].toStdString(), "28.12.2025 20:48");
  EXPECT_EQ(shown.Rows.value(longName).value(1).toStdString(), "4,88 кБ");
  EXPECT_EQ(shown.Rows.value("Проект").mid(1, 2).join('|').toStdString(), "|Папка");
  ASSERT_EQ(shown.ColumnWidths.size(), 4u);
  for (std::size_t column = 0; column < shown.ColumnWidths.size(); ++column)
    EXPECT_GE(shown.ColumnWidths[column], shown.NeededWidths[column]) << "column " << column << " is cut";
}
