#include "record_passes.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

#include "item_vectors.h"
#include "record_layout.h"

namespace {

template <class Record>
void copy_records(const record_vector<Record>& from, record_vector<Record>& to) {
  for (const auto& record : from) {
    if (record) {
      to.push_back(std::make_unique<Record>(*record));
    }
  }
}

// Writes the amount with two decimals; an amount too wide for that goes in the shortest form
// that reads back as the same float, else with as many digits as the text has room for. Every
// text written is a finite number: a float beyond the range of its kind is written as the
// largest one.
void rewrite_amount(fixed_text<10>& text, float amount, char decimal_separator) {
  constexpr float largest = std::numeric_limits<float>::max();
  amount = std::isnan(amount) ? 0.0f : std::clamp(amount, -largest, largest);
  char digits[64];
  char* const end = digits + sizeof digits;
  const auto fits = [&](const std::to_chars_result& result) {
    return result.ec == std::errc() &&
           static_cast<std::size_t>(result.ptr - digits) < text.capacity;
  };
  std::to_chars_result result =
      std::to_chars(digits, end, static_cast<double>(amount), std::chars_format::fixed, 2);
  if (!fits(result)) {
    result = std::to_chars(digits, end, amount);
  }
  for (int precision = 6; !fits(result) && precision >= 0; --precision) {
    result = std::to_chars(digits, end, amount, std::chars_format::scientific, precision);
  }
  std::replace(digits, result.ptr, '.', decimal_separator);
  text = std::string_view(digits, result.ptr);
}

void rewrite_vector_amounts(record_vector<qor_staff>& staff, char decimal_separator) {
  for (auto& record : staff) {
    if (record) {
      rewrite_amount(record->StaffPlayerHeightAmountText, record->StaffPlayerHeightAmount,
                     decimal_separator);
      rewrite_amount(record->StaffPlayerWeightAmountText, record->StaffPlayerWeightAmount,
                     decimal_separator);
    }
  }
}

}  // namespace

void copy_missing_originals(record_store& records, bool staff_originals_given,
                            const std::array<bool, item_kind_count>& item_originals_given) {
  if (!staff_originals_given && records.staff_orig_list.empty()) {
    copy_records(records.staff_list, records.staff_orig_list);
  }
  for_each_item_kind(records, [&](auto kind, auto& current, auto& original) {
    if (!item_originals_given[static_cast<std::size_t>(kind.value)] && original.empty()) {
      copy_records(current, original);
    }
  });
}

void rewrite_amount_texts(record_store& records, char decimal_separator) {
  rewrite_vector_amounts(records.staff_list, decimal_separator);
  rewrite_vector_amounts(records.staff_orig_list, decimal_separator);
}
