#include "platform/qt/QtDialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QFontMetrics>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPointer>
#include <QTreeView>
#include <algorithm>
#include <functional>

#include "platform/gui/Dialogs.h"
#include "platform/qt/QtText.h"

namespace {

// Runs a box made on the heap: the window it stands over may be deleted while it
// is open, and would take the box with it. Once the box is closed that window is
// in front and has the focus again; a window manager left to itself may hand the
// focus to another window of the program.
template <typename Box>
int RunBox(Box* box, const std::function<void(Box&)>& accepted) {
  const QPointer<Box> guard(box);
  const QPointer<QWidget> owner(box->parentWidget());
  const int result = box->exec();
  if (!guard) return QDialog::Rejected;
  if (accepted) accepted(*box);
  delete box;
  if (owner && owner->isVisible()) {
    owner->raise();
    owner->activateWindow();
  }
  return result;
}

// The widest a line of a message stands in a box, in pixels: about half a screen.
constexpr int WidestMessageLine = 500;

// A line wider than the widest a box shows, broken at blanks into lines that fit;
// a word wider than that on its own is broken where it reaches the edge.
QStringList WrappedLine(QString line, const QFontMetrics& metrics) {
  QStringList lines;
  while (metrics.horizontalAdvance(line) > WidestMessageLine) {
    qsizetype fit = 1;
    while (fit < line.size() && metrics.horizontalAdvance(line.left(fit + 1)) <= WidestMessageLine) ++fit;
    const qsizetype blank = line.lastIndexOf(' ', fit);
    const qsizetype cut = blank > 0 ? blank : fit;
    lines << line.left(cut);
    line = line.mid(cut);
    while (line.startsWith(' ')) line.remove(0, 1);
  }
  lines << line;
  return lines;
}

// Qt wraps a message wider than about 500 pixels, which breaks the program's
// instructions, laid out line by line, in the middle of their lines, and it cuts a
// line wider than the screen allows at the box's edge. The box shows the message
// broken here instead, on a label as wide as its widest line, so Qt breaks none.
void ShowMessageText(QMessageBox& box, const QString& text) {
  auto* label = box.findChild<QLabel*>("qt_msgbox_label");
  if (!label) {
    box.setText(text);
    return;
  }
  const QFontMetrics metrics(label->font());
  QStringList lines;
  for (const QString& line : text.split('\n')) lines << WrappedLine(line, metrics);
  box.setText(lines.join('\n'));
  int widest = 0;
  for (const QString& line : lines) widest = std::max(widest, metrics.horizontalAdvance(line));
  label->setMinimumWidth(widest + metrics.averageCharWidth());
}

// A tab indents by four blanks, as the program's instructions expect.
QString WithTabsExpanded(const std::string& text) { return ToQt(text).replace('\t', QString(4, ' ')); }

QMessageBox::Icon IconOf(TMsgDlgType type) {
  switch (type) {
    case TMsgDlgType::mtWarning: return QMessageBox::Warning;
    case TMsgDlgType::mtError: return QMessageBox::Critical;
    case TMsgDlgType::mtInformation: return QMessageBox::Information;
    case TMsgDlgType::mtConfirmation: return QMessageBox::Question;
    case TMsgDlgType::mtCustom: break;
  }
  return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ButtonsOf(TMsgDlgButtons buttons) {
  QMessageBox::StandardButtons result;
  if (buttons & mbYes) result |= QMessageBox::Yes;
  if (buttons & mbNo) result |= QMessageBox::No;
  if (buttons & mbOK) result |= QMessageBox::Ok;
  if (buttons & mbCancel) result |= QMessageBox::Cancel;
  if (!result) result = QMessageBox::Ok;
  return result;
}

int AnswerOf(int pressed, TMsgDlgButtons offered) {
  switch (pressed) {
    case QMessageBox::Yes: return mrYes;
    case QMessageBox::No: return mrNo;
    case QMessageBox::Ok: return mrOk;
    case QMessageBox::Cancel: return mrCancel;
    default: break;
  }
  if (offered & mbCancel) return mrCancel;
  if (offered & mbNo) return mrNo;
  return mrOk;
}

// The columns of the file dialog's views, as Qt's file model orders them.
enum FileColumn { NameColumn, SizeColumn, TypeColumn, DateColumn };

// A file's size as the users read it: whole bytes below a kilobyte, else kilo-,
// mega- or gigabytes with two decimals. Qt writes "байты" after any number of
// bytes, which agrees with hardly any.
QString SizeText(qint64 bytes) {
  if (bytes < 1024) return QLocale().toString(bytes) + " байт";
  return QLocale().formattedDataSize(bytes, 2, QLocale::DataSizeTraditionalFormat);
}

// Qt's file model writes sizes and dates by the environment's locale, not the
// program's, and Qt's translation leaves a folder's type in English. The file
// dialog shows its model through this one, which writes them in Russian.
class FileColumnsInRussian : public QIdentityProxyModel {
public:
  using QIdentityProxyModel::QIdentityProxyModel;
  QVariant data(const QModelIndex& index, int role) const override {
    const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
    if (!files || role != Qt::DisplayRole) return QIdentityProxyModel::data(index, role);
    const QModelIndex file = mapToSource(index);
    switch (index.column()) {
      case SizeColumn:
        if (!files->isDir(file)) return SizeText(files->size(file));
        break;
      case TypeColumn:
        if (files->isDir(file)) return QString("Папка");
        break;
      case DateColumn: return QLocale().toString(files->lastModified(file), QLocale::ShortFormat);
      default: break;
    }
    return QIdentityProxyModel::data(index, role);
  }
};

// The detail view gives the size, type and date columns the width their texts
// and headings need, so none is cut, and the name the rest, which grows with the
// dialog.
void FitDetailColumns(QFileDialog& box) {
  auto* details = box.findChild<QTreeView*>();
  if (!details) return;
  QHeaderView* header = details->header();
  header->setStretchLastSection(false);
  header->setSectionResizeMode(NameColumn, QHeaderView::Stretch);
  for (const int column : {SizeColumn, TypeColumn, DateColumn})
    header->setSectionResizeMode(column, QHeaderView::ResizeToContents);
}

// Qt opens the dialog only as wide as its controls need, which leaves a name
// some forty-five characters beside the folders' list and the other columns; as
// wide as a hundred and thirty characters, it leaves a name some seventy.
void OpenWide(QFileDialog& box) {
  const int wide = QFontMetrics(box.font()).averageCharWidth() * 130;
  box.resize(std::max(box.width(), wide), box.height());
}

}  // namespace

int RunMessageBox(const MessageBoxRequest& request, QWidget* owner) {
  auto* box = new QMessageBox(IconOf(request.Type), ToQt(request.Caption), QString(), ButtonsOf(request.Buttons),
                              owner);
  box->setTextFormat(Qt::PlainText);
  ShowMessageText(*box, WithTabsExpanded(request.Text));
  if (request.Buttons & mbCancel) box->setEscapeButton(QMessageBox::Cancel);
  else if (request.Buttons & mbNo) box->setEscapeButton(QMessageBox::No);
  return AnswerOf(RunBox<QMessageBox>(box, {}), request.Buttons);
}

bool RunOpenDialog(TOpenDialog& dialog, QWidget* owner) {
  const QFileInfo current(ToQt(dialog.FileName));
  const QString folder = !dialog.FileName.empty() && current.dir().exists() ? current.absolutePath()
                                                                            : QDir::currentPath();
  auto* box = new QFileDialog(owner);
  box->setProxyModel(new FileColumnsInRussian(box));
  FitDetailColumns(*box);
  OpenWide(*box);
  if (!dialog.Title.empty()) box->setWindowTitle(ToQt(dialog.Title));
  box->setAcceptMode(QFileDialog::AcceptOpen);
  box->setFileMode(QFileDialog::ExistingFile);
  box->setDirectory(folder);
  if (!dialog.FileName.empty()) box->selectFile(current.fileName());
  const QStringList filters = ToNameFilters(dialog.Filter);
  if (!filters.isEmpty()) {
    box->setNameFilters(filters);
    const int index = dialog.FilterIndex >= 1 && dialog.FilterIndex <= filters.size() ? dialog.FilterIndex : 1;
    box->selectNameFilter(filters[index - 1]);
  }
  QStringList chosen;
  QString chosenFilter;
  const int result = RunBox<QFileDialog>(box, [&](QFileDialog& done) {
    chosen = done.selectedFiles();
    chosenFilter = done.selectedNameFilter();
  });
  if (result != QDialog::Accepted || chosen.isEmpty()) return false;
  dialog.FileName = FromQt(chosen.first());
  if (const qsizetype index = filters.indexOf(chosenFilter); index >= 0)
    dialog.FilterIndex = static_cast<int>(index) + 1;
  return true;
}
