#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <random>

#include "platform/text/CodePage1251.h"
#include "platform/text/Exceptions.h"
#include "platform/text/StringList.h"
#include "platform/TempFolder.h"

namespace fs = std::filesystem;

namespace {

class LineList : public TempFolder {
protected:
  ~LineList() override {
    TStringList::BeforeReplaceForTesting = nullptr;
    TStringList::TemporaryNameForTesting = nullptr;
  }
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

TEST_F(LineList, AnyMixOfBreaksAndCyrillicSplitsAsReadByteByByte) {
  std::mt19937 random(7);
  const std::string alphabet = std::string(40, 'a') + "b\r\n\xC0\xE9";
  std::string bytes;
  for (int i = 0; i < 20000; ++i) bytes += alphabet[random() % alphabet.size()];
  // The lines as a plain reading byte by byte finds them.
  std::vector<std::string> expected;
  std::string line;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] != '\r' && bytes[i] != '\n') {
      line += bytes[i];
      continue;
    }
    expected.push_back(Cp1251ToUtf8(line));
    line.clear();
    if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
  }
  if (!line.empty()) expected.push_back(Cp1251ToUtf8(line));
  TStringList list;
  list.LoadFromFile(Write("mix.txt", bytes));
  EXPECT_EQ(LinesOf(list), expected);
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

// The memory the process holds now, as the system counts it.
long ResidentBytes() {
  std::ifstream statm("/proc/self/statm");
  long size = 0, resident = 0;
  statm >> size >> resident;
  return resident * sysconf(_SC_PAGESIZE);
}

// A sanitizer keeps freed memory back on purpose, to catch its later use.
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
constexpr bool SanitizerHoldsFreedMemory = true;
#elif defined(__has_feature)
constexpr bool SanitizerHoldsFreedMemory =
    __has_feature(address_sanitizer) || __has_feature(thread_sanitizer) || __has_feature(memory_sanitizer);
#else
constexpr bool SanitizerHoldsFreedMemory = false;
#endif

TEST_F(LineList, AClearedLargeListGivesItsMemoryBack) {
  if (SanitizerHoldsFreedMemory) GTEST_SKIP() << "freed memory is held back by the sanitizer";
  std::string text;
  while (text.size() < 20'000'000) text += "\t(line (pt 0 0)(pt 8 8)(line_width 1))\r\n";
  const auto path = Write("large.bdf", text);
  text = std::string();
  TStringList list;
  list.LoadFromFile(path);
  // Something allocated after the lines stays, as the program's other data does.
  const auto later = std::make_unique<std::string>(100, 'x');
  const long loaded = ResidentBytes();
  list.Clear();
  EXPECT_EQ(list.Count(), 0);
  EXPECT_LT(ResidentBytes(), loaded - 30'000'000) << "the lines' memory stays with the process";
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
  EXPECT_EQ(Names(), std::set<std::string>{"data.psw"}) << "no temporary file is left behind";
}

TEST_F(LineList, WhatStandsUnderATemporaryNameIsNeverWrittenThroughOrLost) {
  const auto path = Write("vector.tbl", "old\r\n");
  const auto outside = Write("outside.txt", "outside\r\n");
  // The names a save tries first are taken by a link, a user's file and a folder.
  fs::create_symlink(outside, folder / ".link.saving");
  Write(".file.saving", "mine\r\n");
  fs::create_directory(folder / ".folder.saving");
  TStringList::TemporaryNameForTesting = [](int attempt) {
    static const char* const names[] = {".link.saving", ".file.saving", ".folder.saving", ".free.saving"};
    return std::string(names[std::min(attempt, 3)]);
  };
  TStringList list;
  list.Add("new");
  list.SaveToFile(path);
  EXPECT_EQ(Read(path), "new\r\n");
  EXPECT_EQ(Read(outside), "outside\r\n");
  EXPECT_EQ(Read(folder / ".file.saving"), "mine\r\n");
  EXPECT_TRUE(fs::is_symlink(folder / ".link.saving"));
  EXPECT_TRUE(fs::is_directory(folder / ".folder.saving"));
  EXPECT_EQ(Names(), (std::set<std::string>{"vector.tbl", "outside.txt", ".link.saving", ".file.saving",
                                            ".folder.saving"}));

  // With names of its own choosing nothing is left beside the file either.
  TStringList::TemporaryNameForTesting = nullptr;
  list.SaveToFile(path);
  EXPECT_EQ(Names().size(), 5u);
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
