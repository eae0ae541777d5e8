#include "field_integers.h"

long long parse_field_integer_by_words(std::string_view text, field_integers::line_bytes line) {
  using field_integers::read_digits;
  const std::size_t negative = !text.empty() && text.front() == '-' ? 1 : 0;
  const char* const digits = text.data() + negative;
  const std::size_t count = text.size() - negative;
  // Up to eight leading digits, then up to eight more: "123" reads as "" and "123".
  const std::size_t high_count = count - std::min<std::size_t>(count, 8);
  std::uint64_t high = 0;
  std::uint64_t low = 0;
  if (count > 16 || !read_digits(digits, high_count, line, high) ||
      !read_digits(digits + high_count, count - high_count, line, low)) {
    return parse_leading_integer(text);
  }
  const auto magnitude = static_cast<long long>(high * 100000000 + low);
  return negative != 0 ? -magnitude : magnitude;
}
