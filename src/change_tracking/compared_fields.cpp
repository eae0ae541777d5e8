#include "compared_fields.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>
#include <vector>

#include "records/item_fields.h"
#include "records/staff_fields.h"

namespace {

constexpr std::array<std::string_view, 2> item_stamp_fields = {"DateUpdated", "Researcher"};

constexpr std::array<std::string_view, 4> staff_fields_not_compared = {
    "StaffID", "DateUpdated", "Researcher", "StaffLoanPlayerWagesCurrency"};

// Members the staff record keeps without a column that are compared all the same.
constexpr std::array<std::string_view, 17> staff_members_compared = {
    "StaffInjury",
    "StaffInjuryFrom",
    "StaffInjuryUntil",
    "StaffPermanentInjury",
    "StaffFuturePermanentInjury",
    "StaffSeverityOfPermanentInjury",
    "StaffPlayerRightSide",
    "StaffPlayerLeftSide",
    "StaffPlayerCentral",
    "NonPlayerCoachingTechnique",
    "StaffPlayerDefender",
    "StaffPlayerDefensiveMidfielder",
    "StaffPlayerMidfielder",
    "StaffPlayerAttackingMidfielder",
    "StaffPlayerAttacker",
    "StaffPlayerWingBack",
    "StaffPlayerFreeRole",
};

template <std::size_t N>
bool is_one_of(std::string_view name, const std::array<std::string_view, N>& names) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

std::vector<field_descriptor> select_item_fields(item_kind kind) {
  const auto fields = item_fields(kind);
  std::vector<field_descriptor> selected;
  // The first two members are the item's own id and its owner's id.
  for (std::size_t i = 2; i < fields.size(); ++i) {
    if (fields[i].in_file() && !is_one_of(fields[i].name, item_stamp_fields)) {
      selected.push_back(fields[i]);
    }
  }
  return selected;
}

std::vector<field_descriptor> select_staff_fields() {
  std::vector<field_descriptor> selected;
  for (const auto& field : staff_fields()) {
    const bool compared = field.in_file() ? !is_one_of(field.name, staff_fields_not_compared)
                                          : is_one_of(field.member, staff_members_compared);
    if (compared) {
      selected.push_back(field);
    }
  }
  return selected;
}

bool is_flag(field_type type) {
  return type == field_type::boolean_text || type == field_type::normalised_boolean;
}

bool equal_ignoring_case(std::string_view a, std::string_view b) {
  const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                            [&](char x, char y) { return lower(x) == lower(y); });
}

}  // namespace

std::span<const field_descriptor> compared_item_fields(item_kind kind) {
  static const auto tables = [] {
    std::array<std::vector<field_descriptor>, item_kind_count> built;
    for (std::size_t k = 0; k < item_kind_count; ++k) {
      built[k] = select_item_fields(static_cast<item_kind>(k));
    }
    return built;
  }();
  return tables[static_cast<std::size_t>(kind)];
}

std::span<const field_descriptor> compared_staff_fields() {
  static const std::vector<field_descriptor> table = select_staff_fields();
  return table;
}

bool same_compared_value(const std::byte* a, const std::byte* b, const field_descriptor& field) {
  switch (field.type) {
    case field_type::integer:
    case field_type::list_index:
    case field_type::number_and_text:
      return read_integer(a, field.offset, field.size) == read_integer(b, field.offset, field.size);
    case field_type::decimal_and_text: {
      const float x = read_float(a, field.offset);
      const float y = read_float(b, field.offset);
      return x == y || (std::isnan(x) && std::isnan(y));
    }
    default: {
      const std::string_view x = read_text(a, field.offset, field.size);
      const std::string_view y = read_text(b, field.offset, field.size);
      // The form writes every flag back as "True" or "False"; a "true" from the file under an
      // untouched box must not turn the record into a changed one.
      return is_flag(field.type) ? equal_ignoring_case(x, y) : x == y;
    }
  }
}

bool any_compared_field_differs(const std::byte* a, const std::byte* b,
                                std::span<const field_descriptor> fields) {
  return std::any_of(fields.begin(), fields.end(), [&](const field_descriptor& field) {
    return !same_compared_value(a, b, field);
  });
}
