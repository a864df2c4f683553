// The password file "Data.psw": the defaults of a first start, the stored form,
// the lines a change keeps, a file shared with other runs of the program, and the
// failures that must leave the passwords whole.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "access/AccessRun.h"
#include "platform/TempFolder.h"
#include "platform/text/CodePage1251.h"

namespace fs = std::filesystem;

namespace {

class PasswordFile : public AccessRun {
protected:
  void TearDown() override { TStringList::BeforeReplaceForTesting = nullptr; }
};

// Every byte value whose stored form a line can hold: all but the complements of CR, LF and NUL.
std::string EveryStorableByte() {
  std::string bytes;
  for (int b = 255; b >= 0; --b) {
    const auto stored = static_cast<unsigned char>(~b);
    if (stored != '\r' && stored != '\n' && stored != '\0') bytes += static_cast<char>(b);
  }
  return bytes;
}

}  // namespace

TEST_F(PasswordFile, FirstStartWritesTheDefaultsSilently) {
  EXPECT_TRUE(backend.Boxes.empty());
  EXPECT_EQ(PasswordFileBytes(), "\xC9\xCF\xC8\xCE\xC7\r\n\xCC\xC6\xCD\xC9\xCB\r\n");
  EXPECT_EQ(GetPassword(false), "60718");
  EXPECT_EQ(GetPassword(true), "39264");
}

TEST_F(PasswordFile, DefaultsOpenTheMainWindowWithTheirRoles) {
  SignIn("60718");
  EXPECT_TRUE(FMain->Visible);
  EXPECT_FALSE(FMain->IsTeacher);
  Restart();
  SignIn("39264");
  EXPECT_TRUE(FMain->Visible);
  EXPECT_TRUE(FMain->IsTeacher);
}

TEST_F(PasswordFile, StoredBytesGiveThePasswordsBackByteForByte) {
  const std::string student = EveryStorableByte();
  const std::string teacher = "\x98\xC0\xFE";
  WritePasswords(student, teacher);
  Restart();
  EXPECT_TRUE(backend.Boxes.empty());
  EXPECT_EQ(Utf8ToCp1251(GetPassword(false)), student);
  EXPECT_EQ(Utf8ToCp1251(GetPassword(true)), teacher);

  SetPassword(GetPassword(true) + "1", true);
  EXPECT_EQ(PasswordFileBytes(), Complemented(student) + "\r\n" + Complemented(teacher + "1") + "\r\n");
}

TEST_F(PasswordFile, AnEmptyTeacherLineMakesAnEmptyEntryTheTeachers) {
  WritePasswords("111", "");
  Restart();
  SignIn("");
  EXPECT_TRUE(backend.Boxes.size() == 1 && backend.Boxes[0].Text == "Пользователь - преподаватель");
  EXPECT_TRUE(FMain->IsTeacher);
}

TEST_F(PasswordFile, AFileWithoutTwoLinesIsReplacedByTheDefaults) {
  WriteFile("Data.psw", Complemented("111") + "\r\n");
  Restart();
  EXPECT_TRUE(backend.Boxes.empty());
  EXPECT_EQ(PasswordFileBytes(), "\xC9\xCF\xC8\xCE\xC7\r\n\xCC\xC6\xCD\xC9\xCB\r\n");
  SignIn("");
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Неверный пароль"});
}

TEST_F(PasswordFile, AChangeRewritesOnlyItsOwnLine) {
  const std::string third = "\x98\x01 kept \xFF";
  WriteFile("Data.psw", Complemented("old") + "\r\n" + Complemented("teach") + "\r\n" + third + "\r\n");
  Restart();
  ChangePassword("old", "new", "new");
  EXPECT_EQ(PasswordFileBytes(),
            Complemented("new") + "\r\n" + Complemented("teach") + "\r\n" + third + "\r\n");
}

TEST_F(PasswordFile, AChangedPasswordHoldsFromTheNextStartOn) {
  ChangePassword("60718", "abc", "abc");
  EXPECT_EQ(PasswordFileBytes().substr(0, 5), "\x9E\x9D\x9C\r\n");
  Restart();
  SignIn("60718");
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Неверный пароль"});
  PressOkWith("abc");
  EXPECT_TRUE(FMain->Visible);
  EXPECT_FALSE(FMain->IsTeacher);
}

TEST_F(PasswordFile, TheProgramUsesTheFileOfItsOwnFolder) {
  WritePasswords("mine", "ours");
  const fs::path elsewhere = folder / "elsewhere";
  fs::create_directory(elsewhere);
  std::ofstream(elsewhere / "Data.psw", std::ios::binary) << Complemented("theirs") + "\r\n" + Complemented("x") + "\r\n";
  const fs::path before = fs::current_path();
  fs::current_path(elsewhere);
  Restart();
  fs::current_path(before);
  EXPECT_EQ(GetPassword(false), "mine");
  EXPECT_EQ(GetPassword(true), "ours");
}

TEST_F(PasswordFile, AReadOnlyFileRefusesAChangeAndKeepsTheOldPassword) {
  fs::permissions(PasswordFilePath(), fs::perms::owner_write, fs::perm_options::remove);
  const std::string before = PasswordFileBytes();
  ChangePassword("60718", "abc", "abc");
  ASSERT_EQ(backend.Boxes.size(), 1u);
  EXPECT_EQ(backend.Boxes[0].Type, TMsgDlgType::mtError);
  EXPECT_NE(backend.Boxes[0].Text.find("Файл только для чтения"), std::string::npos);
  EXPECT_TRUE(FNewPass->Visible);
  EXPECT_EQ(PasswordFileBytes(), before);
  EXPECT_EQ(GetPassword(false), "60718");
}

TEST_F(PasswordFile, AChangeKeepsTheFileReadableByItsOwnerAlone) {
  fs::permissions(PasswordFilePath(), fs::perms::owner_read | fs::perms::owner_write);
  ChangePassword("60718", "abc", "abc");
  EXPECT_FALSE(FNewPass->Visible);
  EXPECT_EQ(fs::status(PasswordFilePath()).permissions(), fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_EQ(GetPassword(false), "abc");
}

TEST_F(PasswordFile, AFolderInTheFilesPlaceIsNeverWrittenAndLetsNobodyIn) {
  fs::remove(PasswordFilePath());
  fs::create_directory(PasswordFilePath());
  Restart();
  EXPECT_TRUE(backend.Boxes.empty()) << "the start-up is silent; the password window tells";
  FPassw->Show();
  for (const std::string entry : {"60718", "39264", ""}) PressOkWith(entry);
  EXPECT_EQ(BoxTexts(), std::vector<std::string>(3, CannotRead("на месте файла находится папка")));
  EXPECT_EQ(backend.Boxes[0].Type, TMsgDlgType::mtError);
  EXPECT_EQ(FPassw->FocusRequests(), 3u) << "the focus is back in the field after each box";
  EXPECT_EQ(FPassw->ActiveControl(), FPassw->LabeledEdit1);
  EXPECT_FALSE(FMain->Visible);
  EXPECT_TRUE(fs::is_directory(PasswordFilePath()) && fs::is_empty(PasswordFilePath()));

  // Every press tries the file again: once it can be read, its passwords count.
  fs::remove(PasswordFilePath());
  WritePasswords("s", "t");
  PressOkWith("t");
  EXPECT_TRUE(FMain->Visible);
  EXPECT_TRUE(FMain->IsTeacher);
}

TEST_F(PasswordFile, AFileTheUserMayNotReadIsKeptAndLetsNobodyIn) {
  // The teacher's own file, which students may write but not read.
  WritePasswords("stored", "teach");
  const std::string before = PasswordFileBytes();
  const std::string told = CannotRead("нет доступа к файлу");
  AsAnOrdinaryUser(folder, [&] {
    chmod(PasswordFilePath().c_str(), 0200);
    Restart();
    const bool silent = backend.Boxes.empty();
    FPassw->Show();
    for (const std::string entry : {"60718", "39264", "stored", "teach"}) PressOkWith(entry);
    const bool refused = BoxTexts() == std::vector<std::string>(4, told) && !FMain->Visible;
    chmod(PasswordFilePath().c_str(), 0600);
    FPassw->Button1->Click();
    return silent && refused && FMain->Visible && FMain->IsTeacher;
  });
  fs::permissions(PasswordFilePath(), fs::perms::owner_read, fs::perm_options::add);
  EXPECT_EQ(PasswordFileBytes(), before);
}

TEST_F(PasswordFile, AChangeKeepsWhatAnotherRunWroteMeanwhile) {
  // Another run sets the teacher's password and adds a line while a student here
  // changes the student's.
  SignIn("60718");
  const std::string third = "\x98 theirs\xFF";
  WriteFile("Data.psw", Complemented("60718") + "\r\n" + Complemented("NewTeacher9") + "\r\n" + third + "\r\n");
  ChangePassword("60718", "s2", "s2");
  EXPECT_FALSE(FNewPass->Visible);
  EXPECT_EQ(PasswordFileBytes(),
            Complemented("s2") + "\r\n" + Complemented("NewTeacher9") + "\r\n" + third + "\r\n");
  EXPECT_EQ(GetPassword(true), "NewTeacher9") << "the passwords in force follow the file read";

  // Another run sets the student's password while the teacher here changes the teacher's.
  Restart();
  SignIn("NewTeacher9");
  WritePasswords("NewStudent1", "NewTeacher9");
  ChangePassword("NewTeacher9", "t2", "t2");
  EXPECT_EQ(PasswordFileBytes(), Complemented("NewStudent1") + "\r\n" + Complemented("t2") + "\r\n");
  EXPECT_EQ(GetPassword(false), "NewStudent1");
}

TEST_F(PasswordFile, AFileThatCannotBeReadAtAChangeRefusesItAndIsNotWritten) {
  SignIn("60718");
  const std::string before = PasswordFileBytes();
  const std::string told = CannotRead("нет доступа к файлу");
  AsAnOrdinaryUser(folder, [&] {
    chmod(PasswordFilePath().c_str(), 0200);
    backend.Boxes.clear();
    ChangePassword("60718", "abc", "abc");
    return BoxTexts() == std::vector<std::string>{told} && FNewPass->Visible && GetPassword(false) == "60718";
  });
  fs::permissions(PasswordFilePath(), fs::perms::owner_read, fs::perm_options::add);
  EXPECT_EQ(PasswordFileBytes(), before);
}

TEST_F(PasswordFile, AFailedChangeIsNotWrittenByTheNextOne) {
  TStringList::BeforeReplaceForTesting = [](const std::string& path) {
    TStringList::BeforeReplaceForTesting = nullptr;
    throw EFCreateError("Не удаётся создать файл \"" + path + "\"");
  };
  ChangePassword("60718", "lost", "lost");
  EXPECT_TRUE(FNewPass->Visible);
  FMain->IsTeacher = true;
  FNewPass->Button2->Click();
  ChangePassword("39264", "kept", "kept");
  EXPECT_FALSE(FNewPass->Visible);
  EXPECT_EQ(PasswordFileBytes(), "\xC9\xCF\xC8\xCE\xC7\r\n" + Complemented("kept") + "\r\n");
  EXPECT_EQ(GetPassword(false), "60718");
}

TEST_F(PasswordFile, PasswordsTheFileCannotHoldAreRefused) {
  const std::string before = PasswordFileBytes();
  for (const std::string refused : {"тест", "ха", "пятно"}) {
    backend.Boxes.clear();
    ChangePassword("60718", refused, refused);
    ASSERT_EQ(backend.Boxes.size(), 1u) << refused;
    EXPECT_EQ(backend.Boxes[0].Type, TMsgDlgType::mtError);
    EXPECT_EQ(backend.Boxes[0].Text, "Пароль не может содержать буквы \"т\", \"х\" и \"я\".") << refused;
    FNewPass->Button2->Click();
  }
  backend.Boxes.clear();
  ChangePassword("60718", "üb", "üb");
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Пароль не может содержать символ \"ü\"."});
  EXPECT_TRUE(FNewPass->Visible);
  EXPECT_EQ(PasswordFileBytes(), before);
  EXPECT_EQ(GetPassword(false), "60718");
}

TEST_F(PasswordFile, TheAuthorisationWindowSeesTheFileAsItIsNow) {
  EnterMainWindow();
  WritePasswords("s", "t2");
  Authorise("t2", mrOk);
  EXPECT_TRUE(FMain->IsTeacher);
  EXPECT_EQ(GetPassword(false), "s");
}

TEST_F(PasswordFile, AnUnreadableFileAtTheAuthorisationKeepsThePasswords) {
  EnterMainWindow();
  FMain->N18->Click();
  FAut->LabeledEdit1->TypeText("39");
  FAut->Button2->Click();
  fs::remove(PasswordFilePath());
  FMain->N18->Click();
  EXPECT_TRUE(FAut->Visible);
  EXPECT_EQ(FAut->LabeledEdit1->Text, "");
  ASSERT_EQ(backend.Boxes.size(), 1u);
  EXPECT_EQ(backend.Boxes[0].Type, TMsgDlgType::mtError);
  EXPECT_EQ(GetPassword(false), "60718");
  EXPECT_EQ(GetPassword(true), "39264");
}
