#include "platform/qt/QtGridPeer.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTableWidget>
#include <algorithm>

#include "platform/gui/Controls.h"
#include "platform/qt/QtText.h"

namespace {

// A table that scrolls by whole rows, as a string grid does: the row at its top is
// never cut, also when it is scrolled to its end, where Qt would put the last row
// at the bottom edge and cut the top one; the room below the last row stays empty.
class WholeRowTable : public QTableWidget {
public:
  WholeRowTable() { setVerticalScrollMode(QAbstractItemView::ScrollPerItem); }

protected:
  void scrollContentsBy(int dx, int dy) override {
    QTableWidget::scrollContentsBy(dx, dy);
    KeepTopRowWhole();
  }
  void updateGeometries() override {
    QTableWidget::updateGeometries();
    KeepTopRowWhole();
  }

private:
  void KeepTopRowWhole() {
    QHeaderView* rows = verticalHeader();
    const int top = verticalScrollBar()->value();
    if (top < 0 || top >= rows->count() || rows->offset() == rows->sectionPosition(top)) return;
    rows->setOffsetToSectionPosition(top);
    viewport()->update();
  }
};

}  // namespace

QtGridPeer::QtGridPeer(QtPeerContext& context, std::uint64_t id)
    : QtPeer(context, id), FTable(new WholeRowTable) {
  FTable->verticalHeader()->hide();
  FTable->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  FTable->verticalHeader()->setMinimumSectionSize(1);
  QHeaderView* header = FTable->horizontalHeader();
  header->setSectionResizeMode(QHeaderView::Fixed);
  header->setMinimumSectionSize(1);
  header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  header->setHighlightSections(false);
  header->setSectionsClickable(false);
  FTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
  FTable->setSelectionMode(QAbstractItemView::SingleSelection);
  FTable->setSelectionBehavior(QAbstractItemView::SelectItems);
  FTable->setTabKeyNavigation(false);
  FTable->setWordWrap(false);
  FTable->setCornerButtonEnabled(false);
  FTable->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
  SetWidget(FTable);
  Watch(FTable->viewport());
}

QFont QtGridPeer::ShownFont(const TFont& font) const { return ModelFont(font, true); }

QWidget* QtGridPeer::MouseWidget() const { return FTable->viewport(); }

void QtGridPeer::SyncContent(TControl& control) {
  auto& grid = static_cast<TStringGrid&>(control);
  SyncShape(grid);
  SyncCells(grid);
  SyncSelection(grid);
}

void QtGridPeer::SyncShape(const TStringGrid& grid) {
  const int headerRows = std::min(grid.FixedRows, 1);
  if (headerRows != FHeaderRows) {
    FHeaderRows = headerRows;
    FTable->horizontalHeader()->setVisible(headerRows > 0);
    FShown.clear();  // every row moves between header and body
    FTable->clearContents();
  }
  if (FTable->columnCount() != grid.ColCount()) {
    FTable->setColumnCount(grid.ColCount());
    // A column without a header item would show its number.
    for (int c = 0; c < grid.ColCount(); ++c)
      if (!FTable->horizontalHeaderItem(c)) FTable->setHorizontalHeaderItem(c, new QTableWidgetItem);
  }
  const int bodyRows = grid.RowCount() - FHeaderRows;
  if (FTable->rowCount() != bodyRows) FTable->setRowCount(bodyRows);
  FShown.resize(static_cast<std::size_t>(grid.RowCount()));
  for (auto& row : FShown) row.resize(static_cast<std::size_t>(grid.ColCount()));
  for (int c = 0; c < grid.ColCount(); ++c) {
    const int width = grid.ColWidths[static_cast<std::size_t>(c)];
    if (FTable->columnWidth(c) != width) FTable->setColumnWidth(c, width);
  }
  QHeaderView* rows = FTable->verticalHeader();
  if (rows->defaultSectionSize() != grid.DefaultRowHeight) rows->setDefaultSectionSize(grid.DefaultRowHeight);
  QHeaderView* header = FTable->horizontalHeader();
  if (header->height() != grid.DefaultRowHeight) header->setFixedHeight(grid.DefaultRowHeight);
  FVisibleRows = std::max(1, FTable->viewport()->height() / std::max(1, grid.DefaultRowHeight));
}

void QtGridPeer::SyncCells(const TStringGrid& grid) {
  for (int r = 0; r < grid.RowCount(); ++r) {
    auto& shown = FShown[static_cast<std::size_t>(r)];
    for (int c = 0; c < grid.ColCount(); ++c) {
      const std::string& text = grid.Cells(c, r);
      std::string& cell = shown[static_cast<std::size_t>(c)];
      if (cell == text) continue;
      cell = text;
      if (r < FHeaderRows) {
        FTable->setHorizontalHeaderItem(c, new QTableWidgetItem(ToQt(text)));
      } else if (QTableWidgetItem* item = FTable->item(r - FHeaderRows, c)) {
        item->setText(ToQt(text));
      } else {
        FTable->setItem(r - FHeaderRows, c, new QTableWidgetItem(ToQt(text)));
      }
    }
  }
}

void QtGridPeer::SyncSelection(const TStringGrid& grid) {
  const int row = grid.Row - FHeaderRows;
  if (row < 0 || row >= FTable->rowCount() || grid.Col < 0 || grid.Col >= FTable->columnCount()) return;
  if (FTable->currentRow() == row && FTable->currentColumn() == grid.Col) return;
  const QSignalBlocker blocker(FTable);
  FTable->setCurrentCell(row, grid.Col);
}

bool QtGridPeer::Filter(QObject* watched, QEvent* event) {
  if (watched == FTable->viewport() && FilterMouse(event)) return true;
  if (watched == FTable && MoveByKey(event)) return true;
  return QtPeer::Filter(watched, event);
}

bool QtGridPeer::FilterMouse(QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick &&
      type != QEvent::MouseButtonRelease && type != QEvent::MouseMove)
    return false;
  auto* mouse = static_cast<QMouseEvent*>(event);
  if (type == QEvent::MouseButtonPress && mouse->button() == Qt::LeftButton) {
    FTable->setFocus(Qt::MouseFocusReason);
    const QModelIndex index = FTable->indexAt(mouse->position().toPoint());
    if (index.isValid()) {
      const int col = index.column(), row = index.row() + FHeaderRows;
      Post<TStringGrid>([col, row](TStringGrid& grid) { grid.SelectCell(col, row); });
    }
  }
  // The model's mouse handlers run, but Qt never moves the selection itself.
  QtPeer::Filter(FTable->viewport(), event);
  return true;
}

bool QtGridPeer::MoveByKey(QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  const auto* key = static_cast<QKeyEvent*>(event);
  const bool ctrl = key->modifiers() & Qt::ControlModifier;
  int dc = 0, dr = 0;
  bool toFirstCol = false, toLastCol = false, toFirstRow = false, toLastRow = false;
  switch (key->key()) {
    case Qt::Key_Up: dr = -1; break;
    case Qt::Key_Down: dr = 1; break;
    case Qt::Key_Left: dc = -1; break;
    case Qt::Key_Right: dc = 1; break;
    case Qt::Key_PageUp: dr = -FVisibleRows; break;
    case Qt::Key_PageDown: dr = FVisibleRows; break;
    case Qt::Key_Home: (ctrl ? toFirstRow : toFirstCol) = true; break;
    case Qt::Key_End: (ctrl ? toLastRow : toLastCol) = true; break;
    default: return false;
  }
  Post<TStringGrid>([=](TStringGrid& grid) {
    // From the selection the model holds when the key is handled, so keys
    // pressed in quick succession add up.
    int col = std::clamp(grid.Col + dc, 0, grid.ColCount() - 1);
    int row = std::clamp(grid.Row + dr, grid.FixedRows, grid.RowCount() - 1);
    if (toFirstCol) col = 0;
    if (toLastCol) col = grid.ColCount() - 1;
    if (toFirstRow) row = grid.FixedRows;
    if (toLastRow) row = grid.RowCount() - 1;
    if (col != grid.Col || row != grid.Row) grid.SelectCell(col, row);
  });
  return true;
}
