#pragma once
// The line list: a text held as a list of lines. Every file the program reads or
// writes goes through LoadFromFile and SaveToFile, which convert between code page
// 1251 on disk and UTF-8 in memory.
#include <deque>
#include <functional>
#include <string>

#include "platform/text/FileSave.h"

class TStringList {
public:
  int Count() const { return static_cast<int>(Lines.size()); }
  // Raises EStringListError for an index outside 0 .. Count()-1.
  std::string& operator[](int index);
  const std::string& operator[](int index) const;
  int Add(std::string line);
  // Empties the list and gives its memory back to the system.
  void Clear();
  // The whole text with a line feed after every line.
  std::string Text() const;

  // Replaces the lines by those of the file, read once from its start to its end;
  // lines end at CR, LF or CR LF. Raises EFOpenError with the reason in Russian when
  // the file cannot be read, telling a file not there apart; the list is then
  // unchanged.
  void LoadFromFile(const std::string& path);
  // Writes every line followed by CR LF, whole (see SaveFileWhole): a failed save
  // leaves the old file as it was. Raises EFCreateError with the reason in Russian
  // when the file cannot be written (a read-only target included) and
  // EEncodingError when a line holds a character code page 1251 cannot hold.
  void SaveToFile(const std::string& path) const;

  // Tests make a save fail after the new content is written but before it replaces
  // the target, by raising from this hook; it receives the target's path.
  static std::function<void(const std::string& path)> BeforeReplaceForTesting;
  // Tests choose the temporary file's name for each attempt at one.
  static std::function<std::string(int attempt)> TemporaryNameForTesting;

private:
  // Frees lines no longer wanted; the memory of a large list goes back to the system
  // even where later allocations stand above it.
  static void GiveBack(std::deque<std::string>&& lines);

  // A deque grows without moving the lines it holds and needs no reservation.
  std::deque<std::string> Lines;
};
