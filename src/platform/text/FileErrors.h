#pragma once
// Why a file could not be read or written, told in Russian: the reasons of the
// common causes are the program's own sentences, never the C library's English text.
#include <sys/types.h>

#include <string>

// Whether the error was met while reaching the file's folder or the file itself; the
// same error code says different things of the two (no access to the folder or to
// the file, the folder or the file does not exist).
enum class TFilePlace { File, Folder };

// One Russian sentence, ending in a full stop, for the error code `error` (errno).
std::string FileErrorReason(int error, TFilePlace place);

// Why a file of this kind cannot be read or written as a text file: a folder in its
// place, or a device, pipe or socket; empty for a regular file.
std::string FileKindReason(mode_t mode);

// A reason given by the functions above as a part of a longer sentence: its first
// letter small and its full stop gone.
std::string ReasonWithinSentence(const std::string& reason);

// The folder that holds the file `path` ("." for a bare name).
std::string FolderOf(const std::string& path);

// Why the file `path` could not be opened: the folder's fault where the folder
// itself cannot be reached, else the file's.
std::string OpenErrorReason(const std::string& path, int error);
