#pragma once
// Saving a file whole. As a rule the new content is written to a temporary file
// beside the target, flushed to the disk and renamed over the target, so that the
// name holds either the whole old file or the whole new one, whatever fails and even
// after a crash. The new file keeps the old one's owner, group, permissions and
// access list (ACL); a target that is a symbolic link has the file it points to
// replaced, and the link stays.
// The target is written over in place instead where a new file cannot take its
// place as it was: where its folder takes no new file or does not let one replace
// the target (a folder without write access, a shared folder with the sticky bit, a
// folder marked append-only, where a target not yet there is made at once); where
// the new file cannot be given the old one's owner and group (a file of another
// user that this one may write through its group's or everybody's permission; root
// can give any owner and group) or its access list, or that list cannot be read;
// and where the target has other names (hard links) that must see the new content
// too. A write in place that fails puts the old content back as far as the disk
// allows, but a crash in the middle of it can leave the file part old and part new.
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
