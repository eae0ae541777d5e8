#include "amount_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>

#include "quoted_fields.h"

namespace {

constexpr float largest_amount = std::numeric_limits<float>::max();

// The first form of the amount that fits: two decimals, the shortest text that reads back as
// the amount, or else the form with the most digits the room takes: fewer decimals, or
// scientific notation. Only the last two may read back as another amount.
std::string fitting_text(float amount) {
  std::array<char, 64> digits;
  char* const begin = digits.data();
  char* const end = begin + digits.size();
  const auto fits = [&](const std::to_chars_result& result) {
    return result.ec == std::errc() &&
           static_cast<std::size_t>(result.ptr - begin) <= max_amount_text_length;
  };
  const auto fixed = [&](int decimals) {
    return std::to_chars(begin, end, static_cast<double>(amount), std::chars_format::fixed,
                         decimals);
  };
  std::to_chars_result result = fixed(2);
  if (!fits(result)) {
    result = std::to_chars(begin, end, amount);
  }
  for (int decimals = 1; !fits(result) && decimals >= 0; --decimals) {
    result = fixed(decimals);
  }
  for (int precision = 6; !fits(result) && precision >= 0; --precision) {
    result = std::to_chars(begin, end, amount, std::chars_format::scientific, precision);
  }
  return {begin, result.ptr};
}

}  // namespace

float parse_amount_text(std::string_view text) {
  std::array<char, max_field_length> copy{};
  const std::size_t length = std::min(text.size(), copy.size());
  std::replace_copy(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(length), copy.begin(),
                    ',', '.');
  // Beyond the float range the amount would become an infinity, which no file could carry back.
  constexpr double largest = largest_amount;
  return static_cast<float>(
      std::clamp(parse_decimal_text({copy.data(), length}), -largest, largest));
}

std::string format_amount_text(float amount) {
  amount = std::isnan(amount) ? 0.0f : std::clamp(amount, -largest_amount, largest_amount);
  const std::string text = fitting_text(amount);
  // A text rounded to fit, "2.000e+37" of 2.0001e37, reads back as an amount whose own text may
  // be shorter ("2e+37"); that text is written at once, or the next save would change it.
  const float read_back = parse_amount_text(text);
  return read_back == amount ? text : fitting_text(read_back);
}
