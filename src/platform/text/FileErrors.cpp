#include "platform/text/FileErrors.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/text/Utf8.h"

std::string FileErrorReason(int error, TFilePlace place) {
  const bool folder = place == TFilePlace::Folder;
  switch (error) {
    case ENOSPC:
    case EDQUOT: return "На диске нет места.";
    case EACCES:
    case EPERM: return folder ? "Нет доступа к папке." : "Нет доступа к файлу.";
    case EROFS: return "Диск доступен только для чтения.";
    case EISDIR: return "На месте файла находится папка.";
    case ENOENT: return folder ? "Папка не существует." : "Файл не существует.";
    case ENOTDIR: return "Папка не существует.";
    case ENAMETOOLONG: return "Слишком длинное имя файла.";
    case ELOOP: return "Ссылки на файл образуют петлю.";
    case EBUSY:
    case ETXTBSY: return "Файл занят другой программой.";
    case EMFILE:
    case ENFILE: return "Открыто слишком много файлов.";
    case EIO: return "Ошибка чтения или записи на диске.";
    default: return "Ошибка файловой системы (код " + std::to_string(error) + ").";
  }
}

std::string FileKindReason(mode_t mode) {
  if (S_ISDIR(mode)) return FileErrorReason(EISDIR, TFilePlace::File);
  if (!S_ISREG(mode)) return "Это не обычный файл.";
  return {};
}

std::string ReasonWithinSentence(const std::string& reason) {
  if (reason.empty()) return reason;
  // Every reason is a Russian sentence, so its first letter is a Cyrillic capital.
  std::size_t pos = 0;
  char32_t first = utf8::Next(reason, pos);
  if (first >= U'А' && first <= U'Я') first += U'а' - U'А';
  std::string clause;
  utf8::Append(clause, first);
  clause.append(reason, pos, reason.size() - pos - (reason.back() == '.' ? 1 : 0));
  return clause;
}

std::string FolderOf(const std::string& path) {
  const auto slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::string OpenErrorReason(const std::string& path, int error) {
  const bool folderReached = access(FolderOf(path).c_str(), X_OK) == 0;
  return FileErrorReason(error, folderReached ? TFilePlace::File : TFilePlace::Folder);
}
