#include "mainwin/CountText.h"

#include <cstdint>

#include "platform/text/Conversions.h"

namespace {

const std::string& NounAfter(std::size_t count, const std::string& one, const std::string& few,
                             const std::string& many) {
  const std::size_t lastTwo = count % 100;
  const std::size_t last = count % 10;
  if (lastTwo >= 11 && lastTwo <= 14) return many;
  if (last == 1) return one;
  if (last >= 2 && last <= 4) return few;
  return many;
}

}  // namespace

std::string CountText(std::size_t count, const std::string& one, const std::string& few, const std::string& many) {
  return IntToStr(static_cast<std::int64_t>(count)) + " " + NounAfter(count, one, few, many);
}
