#include "vector/VectorFileName.h"

#include "platform/text/Exceptions.h"
#include "platform/text/Utf8.h"

namespace {

constexpr std::size_t ExtensionLength = 4;

// The part of the path after its last folder separator.
std::string_view FileNamePart(std::string_view path) {
  const std::size_t separator = path.find_last_of("/\\");
  return separator == std::string_view::npos ? path : path.substr(separator + 1);
}

}  // namespace

std::string VectorFileNameFor(const std::string& schematicPath) {
  if (utf8::Length(FileNamePart(schematicPath)) < ExtensionLength)
    throw EFCreateError("Не удаётся создать файл входного вектора: имя файла проекта \"" +
                        schematicPath + "\" короче четырёх символов.");
  return utf8::Left(schematicPath, utf8::Length(schematicPath) - ExtensionLength) + ".tbl";
}
