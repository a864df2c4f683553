#include "support/ProgramRun.h"

#include <fstream>
#include <iterator>
#include <random>

#include "access/UPass.h"
#include "mainwin/ProgramStart.h"
#include "mainwin/UMain.h"

namespace {
std::filesystem::path NewTempFolder() {
  std::random_device random;
  auto path = std::filesystem::temp_directory_path() /
              ("opbench-test-" + std::to_string(random()) + std::to_string(random()));
  std::filesystem::create_directories(path);
  return path;
}
}  // namespace

ProgramRun::ProgramRun() : folder(NewTempFolder()) {
  StartRun(backend, (folder / "opbench").string());
}

ProgramRun::~ProgramRun() {
  EndRun();
  std::error_code ec;
  std::filesystem::permissions(folder, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add, ec);
  std::filesystem::remove_all(folder, ec);
}

void ProgramRun::EnterMainWindow() {
  FPassw->Show();
  FMain->Show();
  FPassw->Hide();
}

std::vector<std::string> ProgramRun::BoxTexts() const {
  std::vector<std::string> texts;
  for (const auto& box : backend.Boxes) texts.push_back(box.Text);
  return texts;
}

std::string ProgramRun::WriteFile(const std::string& name, const std::string& bytes) const {
  const auto path = folder / name;
  std::ofstream(path, std::ios::binary) << bytes;
  return path.string();
}

std::string ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}
