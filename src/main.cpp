// The program's entry: the Qt backend shows the windows of one run of the program.
#include <filesystem>

#include "mainwin/ProgramStart.h"
#include "platform/qt/QtBackend.h"

int main(int argc, char** argv) {
  QtBackend backend(argc, argv);
  return WinMain(backend, std::filesystem::read_symlink("/proc/self/exe").string());
}
