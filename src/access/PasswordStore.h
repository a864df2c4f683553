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
  // Takes both passwords from the file at `path`. When the file cannot be read or
  // holds fewer than two lines, the default passwords become the current ones and
  // are written to it; only a failed write raises, after they are in force.
  void Create(std::string path);
  // Takes both passwords afresh from the file, so that a change made to it while
  // the program runs is seen. Raises when the file cannot be read or lacks a
  // password; then nothing changes.
  void Refresh();
  // The role's current password: the teacher's or the student's.
  const std::string& GetPassword(bool teacher) const;
  // Makes `text` the role's password: its line of the file is rewritten, every
  // other line is written back as it was. Raises EPasswordError for a password the
  // file cannot hold and the file error for a failed write; then nothing changes.
  void SetPassword(const std::string& text, bool teacher);

private:
  std::string PasswordFilePath;
  TStringList PasswordList;  // the file's lines, in stored form
  std::string StudentPassword;
  std::string TeacherPassword;
};

// The line of the password file that holds `password`. Raises EPasswordError when
// the password holds a character code page 1251 lacks, or one of the letters
// "т", "х", "я", whose complements (CR, LF, NUL) would break the line.
std::string StoredPasswordLine(const std::string& password);
// The password a line of the password file holds.
std::string PasswordFromLine(const std::string& line);
