// Giving the pins their roles, by hand in the role dialog or automatically.
#include <utility>

#include "mainwin/PinRole.h"
#include "mainwin/UAssign.h"
#include "mainwin/UMain.h"

namespace {
constexpr int RoleColumn = 2;
constexpr int NameColumn = 0;

// Shows the role dialog for a pin row and takes its answer (empty for none), so
// that AssignedRole is empty again whatever happens next.
std::string RunRoleDialog(const TStringGrid& grid, std::string& assignedRole, int row) {
  FAssign->CurrentPin = BaseNameOf(grid.Cells(NameColumn, row));
  FAssign->ShowModal();
  return std::exchange(assignedRole, std::string());
}

}  // namespace

// A role that changes after the input was finished undoes the finish, so that the
// pin table is built again from the grid; a role given again as it was changes nothing.
void TFMain::SetRoleCell(int row, const std::string& role) {
  std::string& cell = StringGrid1->Cells(RoleColumn, row);
  if (cell == role) return;
  cell = role;
  GateInputReopened();
}

void TFMain::StringGrid1SelectCell(TObject*, int, int ARow, bool&) {
  if (!PinsLoaded) return;
  // The cell is looked up again after the dialog: the grid is not held across it.
  if (StringGrid1->Cells(RoleColumn, ARow).empty()) {
    SetRoleCell(ARow, RunRoleDialog(*StringGrid1, AssignedRole, ARow));
    return;
  }
  if (ARow <= 0) return;
  if (MessageDlg("Редактировать запись?", TMsgDlgType::mtConfirmation, mbYes | mbNo, 0) != mrYes)
    return;
  const std::string answer = RunRoleDialog(*StringGrid1, AssignedRole, ARow);
  if (!answer.empty()) SetRoleCell(ARow, answer);
}

// Every pin without a role gets the role guessed from its name; a pin with a role
// keeps it, and a name without a guess leaves the role empty. Nothing is shown.
void TFMain::StringGrid1DblClick(TObject*) {
  const int rowCount = StringGrid1->RowCount();
  FAssign->Tag = 1;
  if (PinsLoaded) {
    for (int row = 1; row < rowCount; ++row) {
      if (!StringGrid1->Cells(RoleColumn, row).empty()) continue;
      FAssign->CurrentPin = BaseNameOf(StringGrid1->Cells(NameColumn, row));
      FAssign->Button1Click(FAssign);
      SetRoleCell(row, std::exchange(AssignedRole, std::string()));
    }
  }
  FAssign->Tag = 0;
}
