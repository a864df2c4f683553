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

std::vector<std::string> SplitLines(const std::string& bytes) {
  std::vector<std::string> lines;
  // One allocation for the whole list keeps the peak memory of a large file low.
  std::size_t breaks = 0;
  for (const char c : bytes) breaks += (c == '\n' || c == '\r');
  lines.reserve(breaks + 1);
  std::size_t start = 0;
  const std::size_t size = bytes.size();
  for (std::size_t i = 0; i < size; ++i) {
    const char c = bytes[i];
    if (c != '\r' && c != '\n') continue;
    lines.push_back(Cp1251ToUtf8(std::string_view(bytes).substr(start, i - start)));
    if (c == '\r' && i + 1 < size && bytes[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < size) lines.push_back(Cp1251ToUtf8(std::string_view(bytes).substr(start)));
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
  in.seekg(0, std::ios::end);
  const std::streamoff size = in.tellg();
  in.seekg(0, std::ios::beg);
  std::string bytes(size > 0 ? static_cast<std::size_t>(size) : 0, '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (size < 0 || in.gcount() != static_cast<std::streamsize>(bytes.size()))
    throw EFOpenError("Не удаётся прочитать файл \"" + path + "\"");
  Lines = SplitLines(bytes);
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
