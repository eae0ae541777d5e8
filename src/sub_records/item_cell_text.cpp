#include "sub_records/item_cell_text.h"

#include <charconv>

#include "record_form/form_text.h"
#include "records/lookup.h"

std::string decimal_text(std::int64_t value) {
  return std::to_string(value);
}

std::string word_at(std::span<const char* const> words, std::int64_t value) {
  if (value < 0 || static_cast<std::uint64_t>(value) >= words.size())
    return {};
  return words[static_cast<std::size_t>(value)];
}

std::string word_or_first(std::span<const char* const> words, std::int64_t value) {
  if (value < 0 || static_cast<std::uint64_t>(value) >= words.size())
    return words.empty() ? std::string() : std::string(words.front());
  return words[static_cast<std::size_t>(value)];
}

std::string name_at_position(const std::vector<std::string>& list, std::int64_t position) {
  if (position < 0 || static_cast<std::uint64_t>(position) >= list.size())
    return {};
  return lookup_name(list[static_cast<std::size_t>(position)]);
}

std::int64_t number_in_text(std::string_view text) {
  text = trim_spaces(text);
  if (text.empty())
    return 0;
  if (text.front() == '+')
    text.remove_prefix(1);
  std::int64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size())
    return -1;
  return value;
}

std::string money_cell_text(std::string_view amount_text, char decimal_separator,
                            std::string_view thousands_separator) {
  return money_text_from_string(amount_text, decimal_separator, thousands_separator)
      .value_or(std::string(amount_text));
}
