#include "text_compare.h"

#include <algorithm>

namespace {

unsigned char fold(char c) {
  const auto code = static_cast<unsigned char>(c);
  return code >= 'a' && code <= 'z' ? static_cast<unsigned char>(code - 'a' + 'A') : code;
}

}  // namespace

bool equals_ignoring_case(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                            [](char x, char y) { return fold(x) == fold(y); });
}

int compare_ignoring_case(std::string_view a, std::string_view b) {
  const std::size_t common = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < common; ++i) {
    const int difference = fold(a[i]) - fold(b[i]);
    if (difference != 0) {
      return difference;
    }
  }
  return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}
