#include "same_records.h"

#include "records/item_vectors.h"
#include "records/record_layout.h"

namespace {

template <class Record>
bool same_vectors(const record_vector<Record>& a, const record_vector<Record>& b,
                  const record_layout& layout) {
  if (a.size() != b.size()) {
    return false;
  }
  for (std::size_t i = 0; i < a.size(); ++i) {
    for (const field_descriptor& field : layout.fields) {
      if (!same_field_value(record_bytes(*a[i]), record_bytes(*b[i]), field)) {
        return false;
      }
    }
  }
  return true;
}

}  // namespace

bool same_records(const record_store& a, const record_store& b) {
  bool same = same_vectors(a.staff_list, b.staff_list, staff_layout()) &&
              same_vectors(a.staff_orig_list, b.staff_orig_list, staff_layout());
  for_each_item_kind(a, [&](auto kind, const auto& current, const auto& original) {
    auto& other = const_cast<record_store&>(b);
    using vectors = item_vectors<kind.value>;
    same = same && same_vectors(current, vectors::current(other), item_layout(kind)) &&
           same_vectors(original, vectors::original(other), item_layout(kind));
  });
  return same;
}
