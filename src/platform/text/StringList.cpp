#include "platform/text/StringList.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "platform/text/CodePage1251.h"
#include "platform/text/Exceptions.h"

namespace fs = std::filesystem;

std::function<void(const std::string&)> TStringList::BeforeReplaceForTesting;

namespace {

// The file is read in pieces, so that a large file never stands in memory twice:
// once as bytes and once as lines.
constexpr std::size_t ReadPieceSize = 1 << 20;

std::string CannotRead(const std::string& path) { return "Не удаётся прочитать файл \"" + path + "\""; }

// Calls `take` with every piece of the file from its start; raises when reading fails.
template <typename Take>
void ForEachPiece(std::ifstream& in, const std::string& path, Take take) {
  in.clear();
  in.seekg(0, std::ios::beg);
  std::string piece(ReadPieceSize, '\0');
  for (;;) {
    in.read(piece.data(), static_cast<std::streamsize>(piece.size()));
    const auto got = static_cast<std::size_t>(in.gcount());
    if (in.bad()) throw EFOpenError(CannotRead(path));
    if (got > 0) take(std::string_view(piece).substr(0, got));
    if (got < piece.size()) return;
  }
}

// Splits the file into lines at CR, LF or CR LF, a CR LF also when a piece ends
// between the two.
std::vector<std::string> ReadLines(std::ifstream& in, const std::string& path) {
  // One allocation for the whole list keeps the peak memory of a large file low.
  std::size_t breaks = 0;
  ForEachPiece(in, path, [&](std::string_view piece) {
    for (const char c : piece) breaks += (c == '\n' || c == '\r');
  });
  std::vector<std::string> lines;
  lines.reserve(breaks + 1);
  std::string partial;  // the bytes of a line not yet ended
  bool afterCr = false;
  ForEachPiece(in, path, [&](std::string_view piece) {
    std::size_t start = 0;
    if (afterCr && piece.front() == '\n') start = 1;
    afterCr = false;
    for (std::size_t i = start; i < piece.size(); ++i) {
      const char c = piece[i];
      if (c != '\r' && c != '\n') continue;
      partial.append(piece.substr(start, i - start));
      lines.push_back(Cp1251ToUtf8(partial));
      partial.clear();
      if (c == '\r') {
        if (i + 1 == piece.size()) afterCr = true;
        else if (piece[i + 1] == '\n') ++i;
      }
      start = i + 1;
    }
    partial.append(piece.substr(start));
  });
  if (!partial.empty()) lines.push_back(Cp1251ToUtf8(partial));
  return lines;
}

std::string CannotCreate(const std::string& path, const std::string& reason) {
  return "Не удаётся создать файл \"" + path + "\". " + reason;
}

bool IsReadOnlyFile(const fs::path& path) {
  std::error_code ec;
  const auto status = fs::status(path, ec);
  if (ec || !fs::exists(status)) return false;
  return (status.permissions() & fs::perms::owner_write) == fs::perms::none;
}

}  // namespace

std::string& TStringList::operator[](int index) {
  if (index < 0 || index >= Count())
    throw EStringListError("Индекс списка вне диапазона (" + std::to_string(index) + ")");
  return Lines[static_cast<std::size_t>(index)];
}

const std::string& TStringList::operator[](int index) const {
  return const_cast<TStringList&>(*this)[index];
}

int TStringList::Add(std::string line) {
  Lines.push_back(std::move(line));
  return Count() - 1;
}

std::string TStringList::Text() const {
  std::string text;
  for (const auto& line : Lines) text += line + '\n';
  return text;
}

void TStringList::LoadFromFile(const std::string& path) {
  std::error_code ec;
  if (path.empty() || fs::is_directory(path, ec))
    throw EFOpenError("Не удаётся открыть файл \"" + path + "\"");
  std::ifstream in(path, std::ios::binary);
  if (!in) throw EFOpenError("Не удаётся открыть файл \"" + path + "\"");
  Lines = ReadLines(in, path);
}

void TStringList::SaveToFile(const std::string& path) const {
  std::string bytes;
  for (const auto& line : Lines) {
    bytes += Utf8ToCp1251(line);
    bytes += "\r\n";
  }
  const fs::path target(path);
  if (path.empty()) throw EFCreateError(CannotCreate(path, "Имя файла не задано."));
  if (IsReadOnlyFile(target)) throw EFCreateError(CannotCreate(path, "Файл только для чтения."));

  fs::path temp = target;
  temp += ".saving";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out) throw EFCreateError(CannotCreate(path, "Нет доступа к папке."));
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    // A file system may report a full disk only when the file is closed.
    out.close();
    if (!out) {
      std::remove(temp.c_str());
      throw EFCreateError(CannotCreate(path, "Не удалось записать данные."));
    }
  }
  try {
    if (BeforeReplaceForTesting) BeforeReplaceForTesting(path);
  } catch (...) {
    std::remove(temp.c_str());
    throw;
  }
  std::error_code ec;
  fs::rename(temp, target, ec);
  if (ec) {
    std::remove(temp.c_str());
    throw EFCreateError(CannotCreate(path, ec.message()));
  }
}
