#include "platform/text/StringList.h"

#include <fcntl.h>
#include <malloc.h>
#include <sys/stat.h>
#include <unistd.h>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include <cerrno>

#include "platform/text/CodePage1251.h"
#include "platform/text/Exceptions.h"
#include "platform/text/FileErrors.h"

std::function<void(const std::string&)> TStringList::BeforeReplaceForTesting;
std::function<std::string(int)> TStringList::TemporaryNameForTesting;

namespace {

// The file is read in pieces, so that a large file never stands in memory twice:
// once as bytes and once as lines.
constexpr std::size_t ReadPieceSize = 256 * 1024;
// Lines from which a freed list's memory is handed back to the system at once.
constexpr std::size_t LinesWorthGivingBack = 10'000;

[[noreturn]] void CannotOpen(const std::string& path, const std::string& reason, bool missing = false) {
  throw EFOpenError("Не удаётся открыть файл \"" + path + "\". " + reason, reason, missing);
}

// The file could not be reached or opened; `error` (errno) tells why.
[[noreturn]] void CannotOpen(const std::string& path, int error) {
  CannotOpen(path, OpenErrorReason(path, error), error == ENOENT);
}

// An open regular file, closed however the reading ends. Anything else is refused:
// a pipe or a device would block the open or the reading for ever, or never end.
class TReadFile {
public:
  explicit TReadFile(const std::string& path) : FPath(path) {
    // Looked at before the open, so that opening a device has no effect on it, and
    // opened without waiting, should a pipe have taken the file's place meanwhile.
    struct stat status {};
    if (stat(path.c_str(), &status) != 0) CannotOpen(path, errno);
    if (std::string reason = FileKindReason(status.st_mode); !reason.empty()) CannotOpen(path, reason);
    FFd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (FFd < 0) CannotOpen(path, errno);
    const std::string reason =
        fstat(FFd, &status) == 0 ? FileKindReason(status.st_mode) : FileErrorReason(errno, TFilePlace::File);
    if (!reason.empty()) {
      close(FFd);
      CannotOpen(path, reason);
    }
    // A regular file is read as any other: should a read ever have to wait, it waits.
    fcntl(FFd, F_SETFL, fcntl(FFd, F_GETFL) & ~O_NONBLOCK);
  }
  ~TReadFile() { close(FFd); }
  TReadFile(const TReadFile&) = delete;
  TReadFile& operator=(const TReadFile&) = delete;

  // Fills `piece` from where the last read ended; 0 at the file's end.
  std::size_t Read(char* piece, std::size_t size) {
    for (;;) {
      const ssize_t got = read(FFd, piece, size);
      if (got >= 0) return static_cast<std::size_t>(got);
      if (errno != EINTR) CannotOpen(FPath, FileErrorReason(errno, TFilePlace::File));
    }
  }

private:
  std::string FPath;
  int FFd = -1;
};

// Splits bytes into lines at CR, LF or CR LF, a CR LF also when a piece ends
// between the two, and converts each line once.
class TLineSplitter {
public:
  explicit TLineSplitter(std::deque<std::string>& lines) : FLines(lines) {}

  void Take(std::string_view piece) {
    std::size_t start = 0;
    if (FAfterCr && !piece.empty() && piece.front() == '\n') start = 1;
    FAfterCr = false;
    bool ascii = true;
    for (std::size_t end = start; (end = FindBreak(piece, end, ascii)) < piece.size(); start = end, ascii = true) {
      const std::string_view line = piece.substr(start, end - start);
      if (!FPartial.empty()) {
        FPartial.append(line);
        FLines.push_back(Cp1251ToUtf8(FPartial));
        FPartial.clear();
      } else if (ascii) {
        FLines.emplace_back(line);
      } else {
        FLines.push_back(Cp1251ToUtf8(line));
      }
      if (piece[end++] == '\r') {
        if (end == piece.size()) FAfterCr = true;
        else if (piece[end] == '\n') ++end;
      }
    }
    FPartial.append(piece.substr(start));
  }

  void Finish() {
    if (!FPartial.empty()) FLines.push_back(Cp1251ToUtf8(FPartial));
  }

private:
  // The position of the first CR or LF at or after `from`, or the piece's size;
  // `ascii` turns false when a byte on the way is not ASCII, so that an ASCII line,
  // the common one, is taken as it is without a second look at its bytes.
  static std::size_t FindBreak(std::string_view piece, std::size_t from, bool& ascii) {
    const char* const begin = piece.data();
    const char* const end = begin + piece.size();
    const char* p = begin + from;
#if defined(__SSE2__)
    // Sixteen bytes at a time: a line's bytes hold no CR or LF almost everywhere.
    const __m128i cr = _mm_set1_epi8('\r'), lf = _mm_set1_epi8('\n');
    for (; end - p >= 16; p += 16) {
      const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
      const auto breaks = static_cast<unsigned>(
          _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(bytes, cr), _mm_cmpeq_epi8(bytes, lf))));
      const auto high = static_cast<unsigned>(_mm_movemask_epi8(bytes));  // the bytes from 0x80 on
      if (breaks != 0) {
        const int at = __builtin_ctz(breaks);
        if (high & ((1u << at) - 1)) ascii = false;
        return static_cast<std::size_t>(p - begin) + static_cast<std::size_t>(at);
      }
      if (high != 0) ascii = false;
    }
#endif
    for (; p < end && *p != '\r' && *p != '\n'; ++p)
      if (static_cast<unsigned char>(*p) >= 0x80) ascii = false;
    return static_cast<std::size_t>(p - begin);
  }

  std::deque<std::string>& FLines;
  std::string FPartial;  // the bytes of a line not yet ended
  bool FAfterCr = false;
};

}  // namespace

std::string& TStringList::operator[](int index) {
  if (index < 0 || index >= Count())
    throw EStringListError("Индекс списка вне диапазона (" + std::to_string(index) + ")");
  return Lines[static_cast<std::size_t>(index)];
}

const std::string& TStringList::operator[](int index) const {
  return const_cast<TStringList&>(*this)[index];
}

void TStringList::GiveBack(std::deque<std::string>&& lines) {
  const bool large = lines.size() >= LinesWorthGivingBack;
  std::deque<std::string>().swap(lines);
  if (large) malloc_trim(0);
}

void TStringList::Clear() { GiveBack(std::move(Lines)); }

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
  if (path.empty()) CannotOpen(path, "Имя файла не задано.");
  TReadFile file(path);
  std::deque<std::string> lines;
  TLineSplitter splitter(lines);
  std::string piece(ReadPieceSize, '\0');
  while (const std::size_t got = file.Read(piece.data(), piece.size()))
    splitter.Take(std::string_view(piece).substr(0, got));
  splitter.Finish();
  Lines.swap(lines);
  GiveBack(std::move(lines));
}

void TStringList::SaveToFile(const std::string& path) const {
  std::string bytes;
  for (const auto& line : Lines) {
    bytes += Utf8ToCp1251(line);
    bytes += "\r\n";
  }
  SaveFileWhole(path, bytes, TSaveHooks{BeforeReplaceForTesting, TemporaryNameForTesting});
}
