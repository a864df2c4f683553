// What a save does to the file around its content: permissions, access lists,
// owner, links, folders that take no new file or keep every name, and the Russian
// reasons of the common failures.
#include <fcntl.h>
#include <acl/libacl.h>
#include <linux/fs.h>
#include <sys/acl.h>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <tuple>

#include "platform/TempFolder.h"
#include "platform/text/Exceptions.h"
#include "platform/text/StringList.h"

namespace fs = std::filesystem;

namespace {

class SavedFile : public TempFolder {
protected:
  static mode_t ModeOf(const fs::path& path) { return StatusOf(path).st_mode & 07777; }
  static struct stat StatusOf(const fs::path& path) {
    struct stat status {};
    lstat(path.c_str(), &status);
    return status;
  }
  // Owner, group and permissions.
  static std::tuple<uid_t, gid_t, mode_t> IdentityOf(const fs::path& path) {
    const struct stat status = StatusOf(path);
    return {status.st_uid, status.st_gid, status.st_mode & 07777};
  }
  // Saves one line and gives the message of the failure, or "" when it succeeded.
  static std::string SaveFailure(const std::string& path, const std::string& line = "new") {
    TStringList list;
    list.Add(line);
    try {
      list.SaveToFile(path);
    } catch (const EFCreateError& error) {
      return error.Message;
    }
    return "";
  }
  static std::string Reason(const std::string& path, const std::string& reason) {
    return "Не удаётся создать файл \"" + path + "\". " + reason;
  }
  // The file's access list as text, "" where the file system has none.
  static std::string AccessListOf(const std::string& path) {
    const acl_t list = acl_get_file(path.c_str(), ACL_TYPE_ACCESS);
    if (!list) return "";
    char* text = acl_to_any_text(list, nullptr, ',', TEXT_NUMERIC_IDS);
    std::string result = text ? text : "";
    acl_free(text);
    acl_free(list);
    return result;
  }
  // The file's access list, or the default list a folder gives the files made in it.
  static bool SetAccessList(const std::string& path, const char* text, acl_type_t type = ACL_TYPE_ACCESS) {
    const acl_t list = acl_from_text(text);
    if (!list) return false;
    const bool set = acl_set_file(path.c_str(), type, list) == 0;
    acl_free(list);
    return set;
  }
  static std::string OpenFailure(const std::string& path) {
    TStringList list;
    try {
      list.LoadFromFile(path);
    } catch (const EFOpenError& error) {
      return error.Message;
    }
    return "";
  }
};

// Marks a folder append-only, so that files may be made in it but none removed or
// renamed, or clears the mark; false with errno set where the mark cannot be set.
bool MarkAppendOnly(const fs::path& folder, bool on) {
  const int handle = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (handle < 0) return false;
  int flags = 0;
  bool marked = ioctl(handle, FS_IOC_GETFLAGS, &flags) == 0;
  flags = on ? flags | FS_APPEND_FL : flags & ~FS_APPEND_FL;
  marked = marked && ioctl(handle, FS_IOC_SETFLAGS, &flags) == 0;
  const int error = errno;
  close(handle);
  errno = error;
  return marked;
}

// Runs `body` in a child process that is stopped after five seconds, so that a call
// that blocks fails the test instead of hanging it.
template <typename Body>
void WithinFiveSeconds(Body body) {
  EXPECT_EXIT(
      {
        alarm(5);
        std::_Exit(body() ? 0 : 1);
      },
      ::testing::ExitedWithCode(0), "");
}

}  // namespace

TEST_F(SavedFile, KeepsItsPermissionsAndANewOneTakesTheUmask) {
  for (const mode_t mode : {0600, 0640, 0604}) {
    const auto path = Write("kept.psw", "old\r\n");
    chmod(path.c_str(), mode);
    EXPECT_EQ(SaveFailure(path), "");
    EXPECT_EQ(ModeOf(path), mode);
    EXPECT_EQ(Read(path), "new\r\n");
  }
  // The owner and the group stay where the process may set them.
  if (geteuid() == 0) {
    const auto path = Write("theirs.tbl", "old\r\n");
    ASSERT_EQ(chown(path.c_str(), Nobody, Nobody), 0);
    const auto identity = IdentityOf(path);
    const ino_t before = StatusOf(path).st_ino;
    EXPECT_EQ(SaveFailure(path), "");
    EXPECT_EQ(IdentityOf(path), identity);
    EXPECT_NE(StatusOf(path).st_ino, before) << "root gives the new file any owner, so it replaces the old one";
  }
  const mode_t mask = umask(027);
  EXPECT_EQ(SaveFailure((folder / "new.tbl").string()), "");
  umask(mask);
  EXPECT_EQ(ModeOf(folder / "new.tbl"), 0640);
}

TEST_F(SavedFile, KeepsItsAccessList) {
  const auto path = Write("shared.tbl", "old\r\n");
  if (!SetAccessList(path, "u::rw-,u:65534:rw-,g::r--,m::rw-,o::---"))
    GTEST_SKIP() << "no access lists on this file system (" << std::strerror(errno) << ")";
  // The classmate written into the list may still write the table, and the group
  // may still only read it, though the group's permission bits show the list's mask.
  const std::string list = AccessListOf(path);
  ASSERT_EQ(list, "user::rw-,user:65534:rw-,group::r--,mask::rw-,other::---");
  const ino_t before = StatusOf(path).st_ino;
  EXPECT_EQ(SaveFailure(path), "");
  EXPECT_NE(StatusOf(path).st_ino, before) << "the new file took the list, so it replaces the old one whole";
  EXPECT_EQ(AccessListOf(path), list);
  EXPECT_EQ(ModeOf(path), 0660u);
  EXPECT_EQ(Read(path), "new\r\n");
  EXPECT_EQ(Names(), std::set<std::string>{"shared.tbl"});
}

TEST_F(SavedFile, LetsInNobodyTheFoldersDefaultListNames) {
  // A table copied into a shared folder has its permission bits alone; the folder
  // would give every file made in it to a classmate and a group.
  const auto path = Write("copied.tbl", "old\r\n");
  chmod(path.c_str(), 0640);
  if (!SetAccessList(folder.string(), "u::rwx,u:4243:rw-,g::r-x,g:4244:rw-,m::rwx,o::r-x", ACL_TYPE_DEFAULT))
    GTEST_SKIP() << "no access lists on this file system (" << std::strerror(errno) << ")";
  EXPECT_EQ(SaveFailure(path), "");
  EXPECT_EQ(AccessListOf(path), "user::rw-,group::r--,other::---");
  EXPECT_EQ(ModeOf(path), 0640u);
  EXPECT_EQ(Read(path), "new\r\n");
}

TEST_F(SavedFile, ThroughLinksTheFileTheyNameGetsTheNewContentAndEveryNameStays) {
  fs::create_directory(folder / "real");
  const auto real = Write("real/alu.tbl", "old\r\n");
  chmod(real.c_str(), 0600);
  // A chain of two links, the first one relative.
  fs::create_symlink("real/alu.tbl", folder / "near.tbl");
  fs::create_symlink(folder / "near.tbl", folder / "far.tbl");
  EXPECT_EQ(SaveFailure((folder / "far.tbl").string()), "");
  EXPECT_TRUE(fs::is_symlink(folder / "far.tbl"));
  EXPECT_TRUE(fs::is_symlink(folder / "near.tbl"));
  EXPECT_EQ(Read(real), "new\r\n");
  EXPECT_EQ(ModeOf(real), 0600u);
  EXPECT_EQ(Names(), (std::set<std::string>{"real", "near.tbl", "far.tbl"}));
  EXPECT_EQ(fs::directory_iterator(folder / "real")->path().filename(), "alu.tbl");

  // A link to a file not yet there makes the file.
  fs::create_symlink("made.tbl", folder / "pending.tbl");
  EXPECT_EQ(SaveFailure((folder / "pending.tbl").string()), "");
  EXPECT_TRUE(fs::is_symlink(folder / "pending.tbl"));
  EXPECT_EQ(Read(folder / "made.tbl"), "new\r\n");

  fs::create_symlink("loop-b", folder / "loop-a");
  fs::create_symlink("loop-a", folder / "loop-b");
  const auto loop = (folder / "loop-a").string();
  EXPECT_EQ(SaveFailure(loop), Reason(loop, "Ссылки на файл образуют петлю."));

  // A file with a second name: both names show the new content.
  fs::create_hard_link(real, folder / "second.tbl");
  EXPECT_EQ(SaveFailure((folder / "second.tbl").string(), "newer"), "");
  EXPECT_EQ(Read(real), "newer\r\n");
  EXPECT_EQ(Read(folder / "second.tbl"), "newer\r\n");
  EXPECT_EQ(fs::hard_link_count(real), 2u);
  EXPECT_EQ(ModeOf(real), 0600u);
}

TEST_F(SavedFile, AFileTheUserMayWriteThroughItsGroupIsSaved) {
  if (geteuid() != 0) GTEST_SKIP() << "a file of another owner in the user's group needs root to be made";
  // A classmate's table in a folder that everybody may write, then in a shared one
  // with the sticky bit: saved twice, it stays the classmate's, with its group and
  // mode, and nothing is left beside it.
  for (const mode_t folderMode : {0777, 01777}) {
    ASSERT_EQ(chmod(folder.c_str(), folderMode), 0);
    for (const mode_t mode : {0464, 0664}) {
      const auto path = Write("shared.tbl", "old\r\n");
      ASSERT_EQ(chown(path.c_str(), 0, Nobody), 0);
      ASSERT_EQ(chmod(path.c_str(), mode), 0);
      AsNobody([&] {
        return SaveFailure(path, "first") == "" && SaveFailure(path, "second") == "" && Read(path) == "second\r\n";
      });
      EXPECT_EQ(IdentityOf(path), std::tuple(uid_t{0}, Nobody, mode)) << std::oct << folderMode << " " << mode;
      EXPECT_EQ(Names(), std::set<std::string>{"shared.tbl"});
      fs::remove(path);
    }
  }
  // The user's own file is still replaced by a new one.
  const auto own = Write("own.tbl", "old\r\n");
  ASSERT_EQ(chown(own.c_str(), Nobody, Nobody), 0);
  const auto identity = IdentityOf(own);
  const ino_t before = StatusOf(own).st_ino;
  AsNobody([&] { return SaveFailure(own) == "" && Read(own) == "new\r\n"; });
  EXPECT_NE(StatusOf(own).st_ino, before);
  EXPECT_EQ(IdentityOf(own), identity);
  // The user's own file of a group the user is not in keeps that group.
  ASSERT_EQ(chown(own.c_str(), Nobody, 0), 0);
  AsNobody([&] { return SaveFailure(own, "newer") == "" && Read(own) == "newer\r\n"; });
  EXPECT_EQ(IdentityOf(own), std::tuple(Nobody, gid_t{0}, std::get<2>(identity)));
  fs::remove(own);

  // A classmate's file takes the table's name (a second name of it) while the new
  // table is written: the shared folder will not let the new file replace it, so the
  // classmate's file is written in place and nothing is left beside it.
  const auto mine = Write("mine.tbl", "old\r\n");
  const auto theirs = Write("theirs.tbl", "theirs\r\n");
  ASSERT_EQ(chown(mine.c_str(), Nobody, Nobody), 0);
  ASSERT_EQ(chmod(theirs.c_str(), 0666), 0);
  AsNobody([&] {
    TStringList::BeforeReplaceForTesting = [&](const std::string&) {
      if (unlink(mine.c_str()) != 0 || link(theirs.c_str(), mine.c_str()) != 0) throw EFCreateError("no swap");
    };
    return SaveFailure(mine) == "";
  });
  EXPECT_EQ(Read(theirs), "new\r\n");
  EXPECT_EQ(StatusOf(mine).st_ino, StatusOf(theirs).st_ino);
  EXPECT_EQ(IdentityOf(theirs), std::tuple(uid_t{0}, gid_t{0}, mode_t{0666}));
  EXPECT_EQ(Names(), (std::set<std::string>{"mine.tbl", "theirs.tbl"}));
}

TEST_F(SavedFile, IntoAFolderWithoutWriteAccessOverwritesAWritableFileInPlace) {
  const auto path = Write("alu.tbl", "a longer old table\r\n");
  const auto fresh = (folder / "fresh.tbl").string();
  chmod(path.c_str(), 0640);
  AsAnOrdinaryUser(folder, [&] {
    chmod(folder.c_str(), 0555);
    const bool overwritten = SaveFailure(path, "short") == "" && Read(path) == "short\r\n";
    const bool refused = SaveFailure(fresh) == Reason(fresh, "Нет доступа к папке.");
    chmod(folder.c_str(), 0755);
    return overwritten && refused && ModeOf(path) == 0640 && Names() == std::set<std::string>{"alu.tbl"};
  });
}

TEST_F(SavedFile, AnAppendOnlyFolderGetsTheNewContentAndNothingElse) {
  const auto path = Write("alu.tbl", "a longer old table\r\n");
  const auto fresh = (folder / "fresh.tbl").string();
  if (!MarkAppendOnly(folder, true))
    GTEST_SKIP() << "the folder cannot be marked append-only here (" << std::strerror(errno) << ")";
  // Saved twice, the table leaves nothing beside it; a new table is made at once.
  const bool overwritten = SaveFailure(path, "short") == "" && SaveFailure(path, "shorter") == "";
  const bool made = SaveFailure(fresh) == "";
  ASSERT_TRUE(MarkAppendOnly(folder, false));
  EXPECT_TRUE(overwritten);
  EXPECT_TRUE(made);
  EXPECT_EQ(Read(path), "shorter\r\n");
  EXPECT_EQ(Read(fresh), "new\r\n");
  EXPECT_EQ(Names(), (std::set<std::string>{"alu.tbl", "fresh.tbl"}));
}

TEST_F(SavedFile, AnUnreadableFileIsToldApartFromAnUnreachableFolder) {
  fs::create_directory(folder / "shut");
  const auto unreadable = Write("secret.psw", "x\r\n");
  const auto unreachable = Write("shut/alu.tbl", "x\r\n");
  AsAnOrdinaryUser(folder, [&] {
    chmod(unreadable.c_str(), 0200);
    chmod((folder / "shut").c_str(), 0600);
    const bool told =
        OpenFailure(unreadable) == "Не удаётся открыть файл \"" + unreadable + "\". Нет доступа к файлу." &&
        OpenFailure(unreachable) == "Не удаётся открыть файл \"" + unreachable + "\". Нет доступа к папке.";
    chmod((folder / "shut").c_str(), 0755);
    return told;
  });
}

TEST_F(SavedFile, TellsTheCommonCausesInRussian) {
  fs::create_directory(folder / "alu.tbl");
  const auto inPlace = (folder / "alu.tbl").string();
  EXPECT_EQ(SaveFailure(inPlace), Reason(inPlace, "На месте файла находится папка."));
  EXPECT_EQ(OpenFailure(inPlace), "Не удаётся открыть файл \"" + inPlace + "\". На месте файла находится папка.");

  const auto missing = (folder / "no" / "such.tbl").string();
  EXPECT_EQ(SaveFailure(missing), Reason(missing, "Папка не существует."));
  const auto unread = (folder / "such.bdf").string();
  EXPECT_EQ(OpenFailure(unread), "Не удаётся открыть файл \"" + unread + "\". Файл не существует.");

  const auto longName = (folder / (std::string(300, 'a') + ".tbl")).string();
  EXPECT_EQ(SaveFailure(longName), Reason(longName, "Слишком длинное имя файла."));

  const auto locked = Write("locked.tbl", "old\r\n");
  chmod(locked.c_str(), 0444);
  EXPECT_EQ(SaveFailure(locked), Reason(locked, "Файл только для чтения."));
  EXPECT_EQ(Read(locked), "old\r\n");

  // A pipe nobody writes into, and a link to it, are refused at once; so is a device.
  const auto pipe = (folder / "pipe.bdf").string();
  ASSERT_EQ(mkfifo(pipe.c_str(), 0644), 0);
  fs::create_symlink("pipe.bdf", folder / "to-pipe.bdf");
  const auto toPipe = (folder / "to-pipe.bdf").string();
  WithinFiveSeconds([&] {
    return OpenFailure(pipe) == "Не удаётся открыть файл \"" + pipe + "\". Это не обычный файл." &&
           OpenFailure(toPipe) == "Не удаётся открыть файл \"" + toPipe + "\". Это не обычный файл." &&
           OpenFailure("/dev/zero") == "Не удаётся открыть файл \"/dev/zero\". Это не обычный файл.";
  });
  EXPECT_EQ(SaveFailure(pipe), Reason(pipe, "Это не обычный файл."));
}

// A small disk of the test's own: full, then read-only. Mounting it needs root.
class SavedFileOnItsOwnDisk : public SavedFile {
protected:
  void SetUp() override {
    disk = folder / "disk";
    fs::create_directory(disk);
    if (mount("opbench", disk.c_str(), "tmpfs", 0, "size=64k") != 0)
      GTEST_SKIP() << "a small disk cannot be mounted here (" << std::strerror(errno)
                   << "): the full and the read-only disk are not tried";
    mounted = true;
  }
  void TearDown() override {
    if (mounted) umount2(disk.c_str(), MNT_DETACH);
  }
  fs::path disk;
  bool mounted = false;
};

TEST_F(SavedFileOnItsOwnDisk, AFullDiskKeepsTheOldFileAndARemountedOneIsReadOnly) {
  const auto path = (disk / "alu.tbl").string();
  std::ofstream(path, std::ios::binary) << "old\r\n";
  EXPECT_EQ(SaveFailure(path, std::string(128 * 1024, '0')), Reason(path, "На диске нет места."));
  EXPECT_EQ(Read(path), "old\r\n");
  EXPECT_EQ(fs::directory_iterator(disk)->path().filename(), "alu.tbl");
  EXPECT_EQ(std::distance(fs::directory_iterator(disk), fs::directory_iterator()), 1);

  ASSERT_EQ(mount("opbench", disk.c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, "size=64k"), 0);
  EXPECT_EQ(SaveFailure(path), Reason(path, "Диск доступен только для чтения."));
  EXPECT_EQ(Read(path), "old\r\n");
}
