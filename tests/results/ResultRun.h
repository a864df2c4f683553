#pragma once
// A fresh run of the program with a finished project, a written vector table and
// a result table to accept: the pin table is set as finishing the input leaves
// it and the vector table's file is written here, so the result side is tested
// on its own.
#include <functional>
#include <string>
#include <vector>

#include "mainwin/PinRole.h"
#include "mainwin/PinTable.h"
#include "mainwin/RoleNames.h"
#include "mainwin/UMain.h"
#include "platform/gui/Forms.h"
#include "results/UResult.h"
#include "results/UResultConv.h"
#include "support/ProgramRun.h"

// A pin of the project, in column order.
struct ProjectPin {
  std::string Name;
  int Role;
  int Width = 1;
  int LowBit = 0;
};

// Clock, 16-bit input data, status p[1..0], control y[2..0], 16-bit output
// data, end of operation and ПРС: the seven obligatory roles, columns 1 to 7.
std::vector<ProjectPin> PlainProject();
// The plain project with a division-by-zero flag in column 8.
std::vector<ProjectPin> ProjectWithDivision();
// The plain project with a reset pin in column 3 and the others one further on.
std::vector<ProjectPin> ProjectWithReset();

// Puts the pins into the pin table as finishing the input does: grid order is
// column order, the flag and data columns are those of the pins' roles.
void SetPinTable(const std::vector<ProjectPin>& pins);

// The vector table's lines up to "PATTERN": the 16 header lines and one group
// line per bus.
std::vector<std::string> TableHead(const std::vector<ProjectPin>& pins);

// A row of the table: "time> v1 v2 = v3 ... ", the separator after column 2, or
// after column 3 when `withReset`.
std::string Row(const std::string& time, const std::vector<std::string>& values, bool withReset = false);

class ResultRun : public ProgramRun {
protected:
  ResultRun();

  // The project's pins and the vector table written for it; the result table
  // can now be opened.
  void PrepareProject(const std::vector<ProjectPin>& pins);
  // Saves these lines over the vector table file, as the user does after simulating.
  void SaveResultTable(const std::vector<std::string>& lines);
  // A result table of the project's head, "PATTERN", these rows and ";".
  void SaveResultRows(const std::vector<std::string>& rows);
  // Opens the result table ("Результат симуляции").
  void OpenResult() { FMain->N12->Click(); }

  // "Просмотр результата" in step mode; `inWindow` acts in the modal window,
  // which is then left with "Выход" if still open.
  void ViewStepwise(const std::function<void()>& inWindow);
  // "Просмотр результата" in automatic mode.
  void ViewAutomatically();
  // The next report window's lines are captured into `lines` and it is left.
  void CaptureNextReport(std::vector<std::string>& lines);

  std::vector<ProjectPin> project;
};

// The values of the plain project's seven columns with the given flags.
std::vector<std::string> PlainValues(const std::string& clock, const std::string& result, const std::string& end,
                                     const std::string& prs);

// One clock cycle of a result table: the output data and the flags.
struct Cycle {
  explicit Cycle(std::string result = std::string(16, '0'), std::string end = "0", std::string prs = "0",
                 std::string division = "")
      : Result(std::move(result)), End(std::move(end)), Prs(std::move(prs)), Division(std::move(division)) {}
  std::string Result;
  std::string End;
  std::string Prs;
  std::string Division;  // empty: the project has no division-by-zero pin
};
// The rise row (10 + 100 i) and the fall row (60 + 100 i) of each cycle i of the
// plain project, with or without its division flag.
std::vector<std::string> CycleRows(const std::vector<Cycle>& cycles);
