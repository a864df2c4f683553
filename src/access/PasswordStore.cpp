#include "access/PasswordStore.h"

#include "platform/text/CodePage1251.h"
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
    Refresh();
    return;
  } catch (const Exception&) {
    // A missing or damaged file is replaced by one with the default passwords,
    // without a word: a first start has no file yet.
  }
  StudentPassword = DefaultStudentPassword;
  TeacherPassword = DefaultTeacherPassword;
  PasswordList.Clear();
  PasswordList.Add(StoredPasswordLine(StudentPassword));
  PasswordList.Add(StoredPasswordLine(TeacherPassword));
  PasswordList.SaveToFile(PasswordFilePath);
}

void PasswordStore::Refresh() {
  TStringList fromFile;
  fromFile.LoadFromFile(PasswordFilePath);
  if (fromFile.Count() <= TeacherLine)
    throw EPasswordError("В файле паролей \"" + PasswordFilePath + "\" нет двух паролей");
  StudentPassword = PasswordFromLine(fromFile[StudentLine]);
  TeacherPassword = PasswordFromLine(fromFile[TeacherLine]);
  PasswordList = std::move(fromFile);
}

const std::string& PasswordStore::GetPassword(bool teacher) const {
  return teacher ? TeacherPassword : StudentPassword;
}

void PasswordStore::SetPassword(const std::string& text, bool teacher) {
  // The list changes only once the file holds the change, so that a failed save
  // is not written later by the change of the other role's password.
  TStringList changed = PasswordList;
  changed[LineOf(teacher)] = StoredPasswordLine(text);
  changed.SaveToFile(PasswordFilePath);
  PasswordList = std::move(changed);
  (teacher ? TeacherPassword : StudentPassword) = text;
}
