#pragma once
// The peer of a string grid: a table whose first fixed row is its header. Cells
// are compared with what the table shows and only those that differ are set, so a
// sync of a grid of many thousand rows stays cheap.
#include <string>
#include <vector>

#include "platform/qt/QtPeer.h"

class QTableWidget;
class TStringGrid;

class QtGridPeer : public QtPeer {
public:
  QtGridPeer(QtPeerContext& context, std::uint64_t id);
  bool Filter(QObject* watched, QEvent* event) override;

protected:
  void SyncContent(TControl& control) override;
  QWidget* MouseWidget() const override;
  // Grid columns are narrow: a pin's role must fit its cell.
  QFont ShownFont(const TFont& font) const override;

private:
  void SyncShape(const TStringGrid& grid);
  void SyncCells(const TStringGrid& grid);
  void SyncSelection(const TStringGrid& grid);
  // A press on a cell asks the model to select it; Qt's own mouse handling,
  // which would move the selection, never sees the event.
  bool FilterMouse(QEvent* event);
  // The user moves the selection with the keyboard.
  bool MoveByKey(QEvent* event);

  QTableWidget* FTable;
  int FHeaderRows = 0;  // model rows shown as the table's header (0 or 1)
  int FVisibleRows = 1;  // rows that fit on one page, for Page Up and Page Down
  std::vector<std::vector<std::string>> FShown;  // cell texts as shown, by model row
};
