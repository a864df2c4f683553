#pragma once
// The passwords of the two roles, the student's and the teacher's: plain in memory,
// and in the password file "Data.psw" beside the program. Line 0 of the file holds
// the student's password, line 1 the teacher's, every code page 1251 byte replaced
// by its complement; any further lines are kept as they are.
#include <string>

#include "platform/text/Exceptions.h"
#include "platform/text/StringList.h"

// A password the password file cannot hold, or a password file that does not
// hold both passwords.
class EPasswordError : public Exception {
  using Exception::Exception;
};

inline constexpr const char* DefaultStudentPassword = "60718";
inline constexpr const char* DefaultTeacherPassword = "39264";

class PasswordStore {
public:
  // Takes both passwords from the file at `path`. Where there is no file yet, or one
  // of fewer than two lines, the default passwords become the current ones and are
  // written to it; only a failed write raises, after they are in force. A file that
  // is there but cannot be read is never written: no password is in force until it
  // can be read.
  void Create(std::string path);
  // Takes both passwords afresh from the file, so that a change made to it while
  // the program runs is seen. Raises when the file cannot be read or lacks a
  // password; then nothing changes.
  void Refresh();
  // The role's current password: the teacher's or the student's. Where no password
  // is in force yet, the file is tried again as at start-up; while it still cannot
  // be read, raises EPasswordError saying so and why.
  const std::string& GetPassword(bool teacher);
  // Makes `text` the role's password. The file is read again first, since another
  // run of the program may have changed it, and only the role's own line is
  // replaced; every other line is written back as the file holds it now, and both
  // current passwords then follow the file. Raises EPasswordError for a password
  // the file cannot hold or a file that cannot be read or lacks a password, and the
  // file error for a failed write; then nothing changes.
  void SetPassword(const std::string& text, bool teacher);

private:
  // Takes both passwords from the file or writes the defaults where it has none, as
  // Create says; raises EPasswordError when the file is there but cannot be read.
  void Load();
  void WriteDefaults();
  // The file's lines as it holds them now, none where nothing has its name and that
  // is allowed; otherwise raises EPasswordError, one sentence saying that the file
  // cannot be read and why.
  TStringList ReadFile(bool missingIsEmpty) const;
  // The file's lines as it holds them now; raises EPasswordError when it cannot be
  // read or holds fewer than two lines.
  TStringList ReadBothLines() const;
  // Both current passwords from lines read from the file or written to it.
  void TakePasswords(const TStringList& lines);

  std::string PasswordFilePath;
  bool InForce = false;  // whether the current passwords are the file's or the defaults written to it
  std::string StudentPassword;
  std::string TeacherPassword;
};

// The line of the password file that holds `password`. Raises EPasswordError when
// the password holds a character code page 1251 lacks, or one of the letters
// "т", "х", "я", whose complements (CR, LF, NUL) would break the line.
std::string StoredPasswordLine(const std::string& password);
// The password a line of the password file holds.
std::string PasswordFromLine(const std::string& line);
