#pragma once
// A number of things in words, with the noun in the form that Russian puts after
// that number: "1 вывод", "3 вывода", "5 выводов", "11 выводов", "21 вывод".
#include <cstddef>
#include <string>

// `one` follows 1, 21, 31 ...; `few` follows 2 to 4, 22 to 24 ...; `many` every
// other number, 11 to 14 and every number ending in them included.
std::string CountText(std::size_t count, const std::string& one, const std::string& few, const std::string& many);
