#include "record_passes.h"

#include <algorithm>

#include "amount_text.h"
#include "item_vectors.h"
#include "record_layout.h"

namespace {

template <class Record>
void copy_records(const record_vector<Record>& from, record_vector<Record>& to,
                  record_blocks& blocks) {
  to.reserve(to.size() + from.size());
  for (const auto& record : from) {
    if (record) {
      to.push_back(copy_to_block(blocks, *record));
    }
  }
}

void rewrite_amount(fixed_text<max_amount_text_length + 1>& text, float amount,
                    char decimal_separator) {
  std::string written = format_amount_text(amount);
  std::ranges::replace(written, '.', decimal_separator);
  text = written;
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
    copy_records(records.staff_list, records.staff_orig_list, records.blocks);
  }
  for_each_item_kind(records, [&](auto kind, auto& current, auto& original) {
    if (!item_originals_given[static_cast<std::size_t>(kind.value)] && original.empty()) {
      copy_records(current, original, records.blocks);
    }
  });
}

void rewrite_amount_texts(record_store& records, char decimal_separator) {
  rewrite_vector_amounts(records.staff_list, decimal_separator);
  rewrite_vector_amounts(records.staff_orig_list, decimal_separator);
}
