#include "access/PasswordStore.h"

#include "platform/text/CodePage1251.h"
#include "platform/text/FileErrors.h"
#include "platform/text/Utf8.h"

namespace {

constexpr int StudentLine = 0;
constexpr int TeacherLine = 1;

int LineOf(bool teacher) { return teacher ? TeacherLine : StudentLine; }

unsigned char Complement(unsigned char byte) { return static_cast<unsigned char>(~byte); }

// A byte whose complement ends a line or the text read back from the file.
bool BreaksStoredLine(unsigned char byte) {
  const unsigned char stored = Complement(byte);
  return stored == '\r' || stored == '\n' || stored == '\0';
}

}  // namespace

std::string StoredPasswordLine(const std::string& password) {
  std::string stored;
  for (std::size_t pos = 0; pos < password.size();) {
    const std::size_t start = pos;
    const int byte = CodePointToCp1251(utf8::Next(password, pos));
    if (byte < 0) {
      throw EPasswordError("Пароль не может содержать символ \"" +
                           password.substr(start, pos - start) + "\".");
    }
    if (BreaksStoredLine(static_cast<unsigned char>(byte)))
      throw EPasswordError("Пароль не может содержать буквы \"т\", \"х\" и \"я\".");
    stored += static_cast<char>(Complement(static_cast<unsigned char>(byte)));
  }
  return Cp1251ToUtf8(stored);
}

std::string PasswordFromLine(const std::string& line) {
  std::string bytes = Utf8ToCp1251(line);
  for (char& c : bytes) c = static_cast<char>(Complement(static_cast<unsigned char>(c)));
  return Cp1251ToUtf8(bytes);
}

void PasswordStore::Create(std::string path) {
  PasswordFilePath = std::move(path);
  try {
    Load();
  } catch (const EPasswordError&) {
    // Told at the first use of a password, which tries the file again.
  }
}

void PasswordStore::Load() {
  // A first start has no file yet and gets one with the defaults, without a word.
  // A file that is there may hold a teacher's passwords this user may not see.
  const TStringList lines = ReadFile(true);
  if (lines.Count() <= TeacherLine) return WriteDefaults();
  TakePasswords(lines);
}

void PasswordStore::WriteDefaults() {
  TStringList lines;
  lines.Add(StoredPasswordLine(DefaultStudentPassword));
  lines.Add(StoredPasswordLine(DefaultTeacherPassword));
  TakePasswords(lines);
  lines.SaveToFile(PasswordFilePath);
}

TStringList PasswordStore::ReadFile(bool missingIsEmpty) const {
  TStringList lines;
  try {
    lines.LoadFromFile(PasswordFilePath);
  } catch (const EFOpenError& error) {
    if (!missingIsEmpty || !error.Missing)
      throw EPasswordError("Файл паролей \"" + PasswordFilePath +
                           "\" не удаётся прочитать: " + ReasonWithinSentence(error.Reason) + ".");
  }
  return lines;
}

TStringList PasswordStore::ReadBothLines() const {
  TStringList lines = ReadFile(false);
  if (lines.Count() <= TeacherLine)
    throw EPasswordError("В файле паролей \"" + PasswordFilePath + "\" нет двух паролей");
  return lines;
}

void PasswordStore::TakePasswords(const TStringList& lines) {
  StudentPassword = PasswordFromLine(lines[StudentLine]);
  TeacherPassword = PasswordFromLine(lines[TeacherLine]);
  InForce = true;
}

void PasswordStore::Refresh() { TakePasswords(ReadBothLines()); }

const std::string& PasswordStore::GetPassword(bool teacher) {
  if (!InForce) Load();
  return teacher ? TeacherPassword : StudentPassword;
}

void PasswordStore::SetPassword(const std::string& text, bool teacher) {
  const std::string stored = StoredPasswordLine(text);
  TStringList lines = ReadBothLines();
  lines[LineOf(teacher)] = stored;
  lines.SaveToFile(PasswordFilePath);
  TakePasswords(lines);
}
