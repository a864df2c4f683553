#pragma once
// Where the vector table of a project goes: beside the project schematic.
#include <string>

// The schematic's path with its last four characters (its extension, ".bdf")
// replaced by ".tbl". Raises EFCreateError when the file name proper is shorter
// than four characters, so that the table never lands in another folder.
std::string VectorFileNameFor(const std::string& schematicPath);
