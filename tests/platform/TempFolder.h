#pragma once
// A folder of the test's own, removed with everything in it when the test ends, the
// file operations the file tests share, and the user without root's power that
// tests of missing access run as.
#include <grp.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

class TempFolder : public ::testing::Test {
protected:
  TempFolder()
      : folder(std::filesystem::temp_directory_path() /
               ("opbench-files-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name())) {
    std::filesystem::create_directories(folder);
  }
  ~TempFolder() override {
    std::error_code ec;
    std::filesystem::permissions(folder, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(folder, ec);
  }
  std::string Write(const std::string& name, const std::string& bytes) const {
    const auto path = folder / name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path.string();
  }
  static std::string Read(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  }
  // The names in the folder, so a test sees that nothing was left beside a file.
  std::set<std::string> Names() const {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) names.insert(entry.path().filename());
    return names;
  }
  std::filesystem::path folder;
};

inline constexpr uid_t Nobody = 65534;

// Runs `body` in a child process that has no power to ignore permissions (as root,
// it becomes the user nobody, in nobody's group alone), so that missing access
// holds; the test fails when `body` fails.
template <typename Body>
void AsNobody(Body body) {
  const bool root = geteuid() == 0;
  EXPECT_EXIT(
      {
        if (root && (setgroups(0, nullptr) != 0 || setgid(Nobody) != 0 || setuid(Nobody) != 0)) std::_Exit(2);
        std::_Exit(body() ? 0 : 1);
      },
      ::testing::ExitedWithCode(0), "");
}

// As nobody, who owns the folder and everything in it (as root; otherwise the user
// running the tests owns them already).
template <typename Body>
void AsAnOrdinaryUser(const std::filesystem::path& folder, Body body) {
  if (geteuid() == 0) {
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
      lchown(entry.path().c_str(), Nobody, Nobody);
    lchown(folder.c_str(), Nobody, Nobody);
  }
  AsNobody(body);
}
