// The password file "Data.psw": the defaults of a first start, the stored form,
// the lines a change keeps, and the failures that must leave the passwords whole.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "access/AccessRun.h"
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
  FPassw->LabeledEdit1->EditText("abc");
  FPassw->Button1->Click();
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

TEST_F(PasswordFile, AFolderInTheFilesPlaceIsToldInRussianAtStartUp) {
  fs::remove(PasswordFilePath());
  fs::create_directory(PasswordFilePath());
  Restart();
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Не удаётся создать файл \"" + PasswordFilePath() +
                                                 "\". На месте файла находится папка."});
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
