#pragma once
// A folder of the test's own, removed with everything in it when the test ends, and
// the file operations the file tests share.
#include <gtest/gtest.h>
#include <unistd.h>

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
