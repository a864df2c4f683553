#pragma once
// A fresh run of the program on the headless backend, for one test: the ten
// windows created in their order, every unit's state at its start values, and the
// program's own folder a new temporary folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/gui/HeadlessBackend.h"

class ProgramRun : public ::testing::Test {
protected:
  ProgramRun();
  ~ProgramRun() override;

  // Shows the main window the way the password window does after a right password.
  void EnterMainWindow();
  // Texts of the message boxes shown so far, in order.
  std::vector<std::string> BoxTexts() const;
  // Writes a file into the test's folder and returns its path.
  std::string WriteFile(const std::string& name, const std::string& bytes) const;

  HeadlessBackend backend;
  std::filesystem::path folder;  // the program's own folder
};

// Reads a whole file as bytes.
std::string ReadBytes(const std::filesystem::path& path);
