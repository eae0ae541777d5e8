#include "lookup.h"

#include <limits>
#include <optional>

#include "lookup_lists.h"

namespace {

bool is_blank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string_view trim_blanks(std::string_view text) {
  while (!text.empty() && is_blank(text.front())) {
    text.remove_prefix(1);
  }
  while (!text.empty() && is_blank(text.back())) {
    text.remove_suffix(1);
  }
  return text;
}

// The code of an entry, or nothing when it has no ';' or no whole number after the last one.
// Searches use this so that a malformed entry can never pass for the code -1.
std::optional<int> parse_code(std::string_view entry) {
  const std::size_t last = entry.rfind(';');
  if (last == std::string_view::npos) {
    return std::nullopt;
  }
  std::string_view text = trim_blanks(entry.substr(last + 1));
  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  if (text.empty()) {
    return std::nullopt;
  }
  long long value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') {
      return std::nullopt;
    }
    value = value * 10 + (c - '0');
    if (value > static_cast<long long>(std::numeric_limits<int>::max()) + 1) {
      return std::nullopt;
    }
  }
  value = negative ? -value : value;
  if (value > std::numeric_limits<int>::max()) {
    return std::nullopt;
  }
  return static_cast<int>(value);
}

// The first entry of the list whose code is `code`, or nullptr.
const std::string* find_entry_by_code(const std::vector<std::string>& list, int code) {
  for (const std::string& entry : list) {
    if (parse_code(entry) == code) {
      return &entry;
    }
  }
  return nullptr;
}

std::string first_field_by_code(const std::vector<std::string>& list, int code) {
  const std::string* entry = find_entry_by_code(list, code);
  return entry != nullptr ? lookup_first_field(*entry) : std::string();
}

}  // namespace

int lookup_code(std::string_view entry) {
  return parse_code(entry).value_or(-1);
}

std::optional<int> lookup_code_if_valid(std::string_view entry) {
  return parse_code(entry);
}

std::string lookup_name(std::string_view entry) {
  const std::size_t last = entry.rfind(';');
  return last == std::string_view::npos ? std::string() : std::string(entry.substr(0, last));
}

std::string lookup_first_field(std::string_view entry) {
  const std::size_t first = entry.find(';');
  return first == std::string_view::npos ? std::string() : std::string(entry.substr(0, first));
}

std::string lookup_name_by_code(const std::vector<std::string>& list, int code) {
  const std::string* entry = find_entry_by_code(list, code);
  return entry != nullptr ? lookup_name(*entry) : std::string();
}

std::string get_club_name(int club_id) {
  return first_field_by_code(lookups().club_list, club_id);
}

std::unordered_map<int, std::string> club_names_by_code() {
  std::unordered_map<int, std::string> names;
  for (const std::string& entry : lookups().club_list) {
    if (const std::optional<int> code = lookup_code_if_valid(entry))
      names.try_emplace(*code, lookup_first_field(entry));
  }
  return names;
}

std::string get_npt_name(int code) {
  return first_field_by_code(lookups().npt_list, code);
}

std::string get_ppm_name(int code) {
  return first_field_by_code(lookups().ppm_list, code);
}

bool lookup_club_player_ranges(int club_id, int& star_from, int& star_to, int& first_team_from,
                               int& first_team_to) {
  const std::string* entry = find_entry_by_code(lookups().club_list, club_id);
  if (entry == nullptr) {
    return false;
  }
  // name;star from;star to;first-team from;first-team to;id - peeled from the right.
  std::string rest = lookup_name(*entry);
  first_team_to = lookup_code(rest);
  rest = lookup_name(rest);
  first_team_from = lookup_code(rest);
  rest = lookup_name(rest);
  star_to = lookup_code(rest);
  rest = lookup_name(rest);
  star_from = lookup_code(rest);
  return true;
}
