#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/text/CodePage1251.h"
#include "platform/text/Exceptions.h"
#include "platform/text/StringList.h"

namespace fs = std::filesystem;

namespace {

class LineList : public ::testing::Test {
protected:
  LineList() : folder(fs::temp_directory_path() / ("opbench-lines-" + std::to_string(::getpid()))) {
    fs::create_directories(folder);
  }
  ~LineList() override {
    TStringList::BeforeReplaceForTesting = nullptr;
    std::error_code ec;
    fs::remove_all(folder, ec);
  }
  std::string Write(const std::string& name, const std::string& bytes) {
    const auto path = folder / name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path.string();
  }
  static std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  }
  fs::path folder;
};

std::vector<std::string> LinesOf(const TStringList& list) {
  std::vector<std::string> lines;
  for (int i = 0; i < list.Count(); ++i) lines.push_back(list[i]);
  return lines;
}

}  // namespace

TEST_F(LineList, SplitsAtCrLfAndCrLf) {
  TStringList list;
  list.LoadFromFile(Write("mixed.txt", "a\rb\nc\r\nd"));
  EXPECT_EQ(LinesOf(list), (std::vector<std::string>{"a", "b", "c", "d"}));

  list.LoadFromFile(Write("empty-lines.txt", "a\r\n\r\n\n\rb\r\n"));
  EXPECT_EQ(LinesOf(list), (std::vector<std::string>{"a", "", "", "", "b"}));

  list.LoadFromFile(Write("empty.txt", ""));
  EXPECT_EQ(list.Count(), 0);
}

TEST_F(LineList, LineBreaksAcrossTheReadPiecesOfALargeFile) {
  const std::string first(1024 * 1024 - 1, 'a');  // its CR ends the first megabyte
  TStringList list;
  list.LoadFromFile(Write("crlf.txt", first + "\r\nnext\r\n"));
  ASSERT_EQ(list.Count(), 2);
  EXPECT_EQ(list[0], first);
  EXPECT_EQ(list[1], "next");

  list.LoadFromFile(Write("cr.txt", first + "\r\rlast"));
  ASSERT_EQ(list.Count(), 3);
  EXPECT_EQ(list[1], "");
  EXPECT_EQ(list[2], "last");

  const std::string across = std::string(1024 * 1024 - 2, 'b') + "\xC0\xDF" + "tail";
  list.LoadFromFile(Write("across.txt", across));
  ASSERT_EQ(list.Count(), 1);
  EXPECT_EQ(list[0], std::string(1024 * 1024 - 2, 'b') + "АЯtail");
}

TEST_F(LineList, SavesCrLfAfterEveryLineTheLastToo) {
  TStringList list;
  list.Add("first");
  list.Add("");
  list.Add("Признак ПРС");
  const auto path = (folder / "out.txt").string();
  list.SaveToFile(path);
  EXPECT_EQ(Read(path), "first\r\n\r\n\xCF\xF0\xE8\xE7\xED\xE0\xEA \xCF\xD0\xD1\r\n");
}

TEST_F(LineList, EveryByteSurvivesALoadAndASave) {
  std::string bytes;
  for (int b = 0; b < 256; ++b)
    if (b != '\r' && b != '\n') bytes += static_cast<char>(b);
  const auto path = Write("all-bytes.txt", bytes + "\r\n");
  TStringList list;
  list.LoadFromFile(path);
  ASSERT_EQ(list.Count(), 1);
  list.SaveToFile(path);
  EXPECT_EQ(Read(path), bytes + "\r\n");
}

TEST_F(LineList, TextIsUtf8InMemory) {
  TStringList list;
  list.LoadFromFile(Write("cyrillic.txt", "\xC2\xF5\xEE\xE4\xED\xFB\xE5 \xA8\xB8\x98"));
  EXPECT_EQ(list[0], "Входные Ёё\xC2\x98");
}

TEST_F(LineList, MissingFileRaisesOpenErrorAndKeepsTheLines) {
  TStringList list;
  list.Add("kept");
  EXPECT_THROW(list.LoadFromFile((folder / "nothing.bdf").string()), EFOpenError);
  EXPECT_THROW(list.LoadFromFile(""), EFOpenError);
  EXPECT_THROW(list.LoadFromFile(folder.string()), EFOpenError);
  EXPECT_EQ(LinesOf(list), std::vector<std::string>{"kept"});
}

TEST_F(LineList, FailedSaveLeavesTheOldFileWhole) {
  const auto path = Write("data.psw", "old\r\n");
  TStringList list;
  list.Add("new");
  TStringList::BeforeReplaceForTesting = [](const std::string&) {
    throw EFCreateError("Нет места на диске");
  };
  EXPECT_THROW(list.SaveToFile(path), EFCreateError);
  EXPECT_EQ(Read(path), "old\r\n");
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1)
      << "no temporary file is left behind";
}

TEST_F(LineList, FullDiskLeavesTheOldFileWholeAndNothingBehind) {
  if (!fs::exists("/dev/full")) GTEST_SKIP() << "no device that is always full";
  const auto path = Write("vector.tbl", "old\r\n");
  // The new content goes to a file beside the target; here that file is a disk
  // with no space left.
  fs::create_symlink("/dev/full", path + ".saving");
  TStringList list;
  list.Add("new");
  EXPECT_THROW(list.SaveToFile(path), EFCreateError);
  EXPECT_EQ(Read(path), "old\r\n");
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
}

TEST_F(LineList, ReadOnlyFileIsNotReplaced) {
  const auto path = Write("locked.txt", "old\r\n");
  fs::permissions(path, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  TStringList list;
  list.Add("new");
  EXPECT_THROW(list.SaveToFile(path), EFCreateError);
  EXPECT_EQ(Read(path), "old\r\n");
}

TEST_F(LineList, SaveIntoMissingFolderRaisesCreateError) {
  TStringList list;
  list.Add("x");
  EXPECT_THROW(list.SaveToFile((folder / "no" / "such.tbl").string()), EFCreateError);
}

TEST_F(LineList, TextOutsideTheCodePageIsRefusedNotReplaced) {
  const auto path = Write("keep.txt", "old\r\n");
  TStringList list;
  list.Add("snow ☃");
  EXPECT_THROW(list.SaveToFile(path), EEncodingError);
  EXPECT_EQ(Read(path), "old\r\n");
}

TEST(LineListIndex, OutOfRangeRaisesListError) {
  TStringList list;
  list.Add("only");
  EXPECT_THROW(list[1], EStringListError);
  EXPECT_THROW(list[-1], EStringListError);
}

TEST(CodePage1251, IsABijectionOverAllBytes) {
  for (int b = 0; b < 256; ++b) {
    const std::string byte(1, static_cast<char>(b));
    EXPECT_EQ(Utf8ToCp1251(Cp1251ToUtf8(byte)), byte) << "byte " << b;
  }
}
