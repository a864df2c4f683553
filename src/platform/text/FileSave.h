#pragma once
// Saving a file whole. As a rule the new content is written to a temporary file
// beside the target, flushed to the disk and renamed over the target, so that the
// name holds either the whole old file or the whole new one, whatever fails and even
// after a crash. The new file keeps the old one's permissions (and its owner where
// the process may set it); a target that is a symbolic link has the file it points
// to replaced, and the link stays.
// Where no temporary file can stand beside the target (its folder takes no new
// file), and where the target has other names (hard links) that must see the new
// content too, the target is written over in place instead: a write that fails puts
// the old content back as far as the disk allows, but a crash in the middle of it
// can leave the file part old and part new.
#include <functional>
#include <string>
#include <string_view>

// What tests put into a save to see how it behaves when something goes wrong.
struct TSaveHooks {
  // Runs after the new content is written and flushed, before it replaces the
  // target; an exception raised there fails the save.
  std::function<void(const std::string& path)> BeforeReplace;
  // Chooses the temporary file's name in the target's folder for the given attempt
  // (0, 1, ...); none: a random name.
  std::function<std::string(int attempt)> TemporaryName;
};

// Writes `bytes` as the file `path`. Raises EFCreateError with one Russian sentence
// naming the file and the reason when the file cannot be written; the old file is
// then as it was and nothing is left beside it.
void SaveFileWhole(const std::string& path, std::string_view bytes, const TSaveHooks& hooks);
