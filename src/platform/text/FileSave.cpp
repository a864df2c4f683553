#include "platform/text/FileSave.h"

#include <fcntl.h>
#include <sys/acl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <random>

#include "platform/text/Exceptions.h"
#include "platform/text/FileErrors.h"

namespace {

// As many links as the system itself follows before it calls them a loop.
constexpr int MaxLinksFollowed = 40;
// Attempts at a temporary name before the folder is taken to be unusable.
constexpr int TemporaryNameAttempts = 100;
// Bytes of the target's name kept in the temporary file's name.
constexpr std::size_t NameKeptInTemporary = 64;

[[noreturn]] void Fail(const std::string& path, const std::string& reason) {
  throw EFCreateError("Не удаётся создать файл \"" + path + "\". " + reason);
}

[[noreturn]] void Fail(const std::string& path, int error, TFilePlace place) {
  Fail(path, FileErrorReason(error, place));
}

std::string NameOf(const std::string& path) {
  const auto slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The file a save replaces: the path itself, or the end of the chain of symbolic
// links that starts there. A link that points at nothing names the file to create.
struct TTarget {
  std::string Path;
  bool Exists = false;
  struct stat Status {};
};

TTarget ResolveTarget(const std::string& path) {
  TTarget target{path};
  for (int links = 0;; ++links) {
    if (lstat(target.Path.c_str(), &target.Status) != 0) {
      if (errno == ENOENT) return target;
      Fail(path, errno, TFilePlace::Folder);
    }
    if (!S_ISLNK(target.Status.st_mode)) {
      target.Exists = true;
      return target;
    }
    if (links == MaxLinksFollowed) Fail(path, ELOOP, TFilePlace::File);
    // Some file systems give a link no size: the buffer is as long as a path can be.
    std::string pointed(PATH_MAX, '\0');
    const ssize_t length = readlink(target.Path.c_str(), pointed.data(), pointed.size());
    if (length < 0) Fail(path, errno, TFilePlace::File);
    if (static_cast<std::size_t>(length) == pointed.size()) Fail(path, ENAMETOOLONG, TFilePlace::File);
    pointed.resize(static_cast<std::size_t>(length));
    target.Path = pointed.front() == '/' ? pointed : FolderOf(target.Path) + "/" + pointed;
  }
}

// Refuses what a save must not replace: a folder, a device or pipe, a file that
// nobody may write, or one that this process may not write (through its owner's,
// its group's or everybody's permission, whichever applies to the process).
void CheckReplaceable(const std::string& path, const TTarget& target) {
  if (!target.Exists) return;
  const mode_t mode = target.Status.st_mode;
  if (std::string reason = FileKindReason(mode); !reason.empty()) Fail(path, reason);
  if ((mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) Fail(path, "Файл только для чтения.");
  if (access(target.Path.c_str(), W_OK) != 0) Fail(path, errno, TFilePlace::File);
}

// A file that has other names besides this one: a new file renamed over this name
// would leave the others with the old content.
bool HasOtherNames(const TTarget& target) { return target.Exists && target.Status.st_nlink > 1; }

// A name nobody else uses: hidden, the target's name within a length that the name
// limit always allows, and a random part.
std::string RandomTemporaryName(const std::string& targetName) {
  static std::mt19937_64 random{std::random_device{}()};
  std::string kept = targetName.substr(0, NameKeptInTemporary);
  // Never cut a UTF-8 character in half.
  while (!kept.empty() && kept.size() < targetName.size() &&
         (static_cast<unsigned char>(targetName[kept.size()]) & 0xC0) == 0x80)
    kept.pop_back();
  static constexpr char Letters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
  std::string part(8, 'a');
  for (char& c : part) c = Letters[random() % (sizeof Letters - 1)];
  return "." + kept + "." + part + ".saving";
}

// Writes all of `bytes` at offset 0; false with errno set when the disk refuses.
bool WriteAll(int fd, std::string_view bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t wrote = pwrite(fd, bytes.data() + done, bytes.size() - done, static_cast<off_t>(done));
    if (wrote < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    done += static_cast<std::size_t>(wrote);
  }
  return true;
}

// Flushes what was written to the disk; false with errno set. A file system that
// cannot flush at all is no reason to fail.
bool Flush(int fd) { return fsync(fd) == 0 || errno == EINVAL || errno == ENOTSUP; }

// Writes the whole content into a new, empty file and flushes it; false with errno set.
bool WriteNewDurably(int fd, std::string_view bytes) { return WriteAll(fd, bytes) && Flush(fd); }

// Writes the whole content over a file that may be longer, cuts it to the content's
// length and flushes it; false with errno set.
bool WriteOverDurably(int fd, std::string_view bytes) {
  return WriteAll(fd, bytes) && ftruncate(fd, static_cast<off_t>(bytes.size())) == 0 && Flush(fd);
}

// Closes a descriptor and tells whether the close itself succeeded (a file system
// may report a failed write only then).
bool CloseChecked(int fd) { return close(fd) == 0 || errno == EINTR; }

// A call whose failure the save goes on from: what it cannot set stays as the
// system made it.
void AcceptFailure(int result) { static_cast<void>(result); }

// Gives the new file the old one's access list (ACL), which names further users and
// groups that may read or write the file; the group's permission bits of a file that
// has one are the list's mask. Tells whether the new file now lets in whom the old
// one did, and no one else. The list is set even where it holds no more than the
// permission bits, since a new file in a folder with a default list starts with the
// folder's entries, which a mask alone does not clear. A file system without access
// lists needs nothing more than the bits. The list is read by name, so a file the
// user may only write is no exception.
bool TakeOverAccessList(const std::string& oldPath, int fd) {
  const acl_t list = acl_get_file(oldPath.c_str(), ACL_TYPE_ACCESS);
  if (!list) return errno == ENOTSUP || errno == EOPNOTSUPP;
  const bool taken = acl_set_fd(fd, list) == 0;
  acl_free(list);
  return taken;
}

// Gives the new file the old one's owner and group as far as the process may set
// them (a member of the file's group may set the group alone), and tells whether it
// now has both: where it has not, renaming it over the old one would hand the file
// to another user. Then come the permission bits, since a change of owner clears
// some of them, and the access list. A file system without owners or permissions (a
// memory stick's) refuses every call but shows every file with the same owner,
// which is no reason to refuse the new file.
bool TakeOverIdentity(int fd, const TTarget& target) {
  const struct stat& old = target.Status;
  if (fchown(fd, old.st_uid, old.st_gid) != 0) AcceptFailure(fchown(fd, static_cast<uid_t>(-1), old.st_gid));
  struct stat made {};
  if (fstat(fd, &made) != 0 || made.st_uid != old.st_uid || made.st_gid != old.st_gid) return false;
  AcceptFailure(fchmod(fd, old.st_mode & 07777));
  return TakeOverAccessList(target.Path, fd);
}

// A folder marked append-only takes new files but lets none be removed or renamed,
// so a temporary file there could neither replace the target nor be removed again.
bool KeepsEveryName(const std::string& folder) {
  struct statx status {};
  return statx(AT_FDCWD, folder.c_str(), 0, STATX_TYPE, &status) == 0 &&
         (status.stx_attributes_mask & status.stx_attributes & STATX_ATTR_APPEND) != 0;
}

// The folder takes no new file, or does not let one replace the target, though the
// target itself may be written (a folder without write access, a shared folder with
// the sticky bit, a network share that allows writing but not deleting).
bool FolderRefuses(int error, const TTarget& target) {
  return (error == EACCES || error == EPERM) && target.Exists;
}

void SyncFolder(const std::string& folder) {
  // Best effort: the rename is done either way, and some file systems cannot flush
  // a folder at all.
  const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  fsync(fd);
  close(fd);
}

// Creates the temporary file exclusively; -1 with errno set when the folder takes
// no new file.
int CreateTemporary(const std::string& folder, const std::string& targetName, const TTarget& target,
                    const TSaveHooks& hooks, std::string& temporary) {
  const mode_t mode = target.Exists ? 0600 : 0666;
  for (int attempt = 0; attempt < TemporaryNameAttempts; ++attempt) {
    const std::string name = hooks.TemporaryName ? hooks.TemporaryName(attempt) : RandomTemporaryName(targetName);
    temporary = folder + "/" + name;
    const int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  errno = EEXIST;
  return -1;
}

// Writes the new content over the target itself, for a folder that takes no new
// file or does not let one replace the target, a target whose owner, group or access
// list a new file cannot have, or a file with several names; in a folder that keeps
// every name, a target not yet there is made at once. Should the write fail, the old
// content is put back as far as the disk allows, so a full disk leaves the old file
// whole, and a file just made is removed where the folder allows.
void OverwriteInPlace(const std::string& path, const TTarget& target, std::string_view bytes) {
  const int fd = target.Exists ? open(target.Path.c_str(), O_RDWR | O_NOFOLLOW | O_CLOEXEC)
                               : open(target.Path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
  if (fd < 0) Fail(path, errno, target.Exists ? TFilePlace::File : TFilePlace::Folder);
  std::string old(static_cast<std::size_t>(target.Status.st_size), '\0');
  std::size_t got = 0;
  while (got < old.size()) {
    const ssize_t read = pread(fd, old.data() + got, old.size() - got, static_cast<off_t>(got));
    if (read < 0 && errno == EINTR) continue;
    if (read <= 0) break;
    got += static_cast<std::size_t>(read);
  }
  old.resize(got);
  if (!WriteOverDurably(fd, bytes)) {
    const int error = errno;
    WriteOverDurably(fd, old);
    close(fd);
    if (!target.Exists) unlink(target.Path.c_str());
    Fail(path, error, TFilePlace::File);
  }
  if (!CloseChecked(fd)) Fail(path, errno, TFilePlace::File);
}

}  // namespace

void SaveFileWhole(const std::string& path, std::string_view bytes, const TSaveHooks& hooks) {
  if (path.empty()) Fail(path, "Имя файла не задано.");
  const TTarget target = ResolveTarget(path);
  CheckReplaceable(path, target);
  const std::string folder = FolderOf(target.Path);
  if (HasOtherNames(target) || KeepsEveryName(folder)) return OverwriteInPlace(path, target, bytes);

  std::string temporary;
  const int fd = CreateTemporary(folder, NameOf(target.Path), target, hooks, temporary);
  if (fd < 0) {
    if (FolderRefuses(errno, target)) return OverwriteInPlace(path, target, bytes);
    Fail(path, errno, TFilePlace::Folder);
  }
  const auto discard = [&](int error) {
    unlink(temporary.c_str());
    Fail(path, error, TFilePlace::File);
  };
  const auto overwriteInstead = [&] {
    unlink(temporary.c_str());
    OverwriteInPlace(path, target, bytes);
  };
  if (target.Exists && !TakeOverIdentity(fd, target)) {
    close(fd);
    return overwriteInstead();
  }
  if (!WriteNewDurably(fd, bytes)) {
    const int error = errno;
    close(fd);
    discard(error);
  }
  if (!CloseChecked(fd)) discard(errno);
  try {
    if (hooks.BeforeReplace) hooks.BeforeReplace(path);
  } catch (...) {
    unlink(temporary.c_str());
    throw;
  }
  if (rename(temporary.c_str(), target.Path.c_str()) != 0) {
    if (FolderRefuses(errno, target)) return overwriteInstead();
    discard(errno);
  }
  SyncFolder(folder);
}
