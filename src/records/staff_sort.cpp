#include "staff_sort.h"

#include <algorithm>
#include <cstddef>
#include <utility>

#include "staff_order.h"

namespace {

int compare_texts(const std::string& a, const std::string& b) {
  return a.compare(b);
}

int compare_numbers(long long a, long long b) {
  return a < b ? -1 : (a > b ? 1 : 0);
}

// The pointer comparators put null entries last and keep them together.
template <class Compare>
bool before_with_nulls_last(const qor_staff* a, const qor_staff* b, Compare compare) {
  if (a == nullptr || b == nullptr) {
    return a != nullptr;
  }
  return compare(*a, *b);
}

// Reorders the records by their keys, worked out once each (`make_key`, asking ahead for the
// fields `fetched` reads), null entries last; works for owning and plain pointers.
template <class Pointer, class MakeKey>
void sort_by_keys(std::vector<Pointer>& staff, MakeKey&& make_key,
                  const staff_sort_attribute* fetched, const staff_key_order& key_order) {
  std::vector<staff_sort_key> keys(staff.size());
  std::vector<std::size_t> order;
  std::vector<std::size_t> nulls;
  order.reserve(staff.size());
  constexpr std::size_t ahead = 8;
  for (std::size_t i = 0; i < staff.size(); ++i) {
    if (i + ahead < staff.size() && staff[i + ahead] != nullptr) {
      fetch_sort_fields(*staff[i + ahead], fetched);
    }
    if (staff[i] == nullptr) {
      nulls.push_back(i);
    } else {
      keys[i] = make_key(*staff[i]);
      order.push_back(i);
    }
  }
  std::stable_sort(order.begin(), order.end(),
                   [&](std::size_t a, std::size_t b) { return key_order(keys[a], keys[b]); });
  order.insert(order.end(), nulls.begin(), nulls.end());

  std::vector<Pointer> sorted;
  sorted.reserve(staff.size());
  for (std::size_t i : order) {
    sorted.push_back(std::move(staff[i]));
  }
  staff = std::move(sorted);
}

template <class Pointer>
bool sort_by_attribute(std::vector<Pointer>& staff, int attribute, bool descending,
                       const staff_sort_context& context) {
  const staff_sort_attribute* sort_attribute = find_staff_sort_attribute(attribute);
  if (sort_attribute == nullptr) {
    return false;
  }
  sort_by_keys(staff, staff_sort_key_maker(*sort_attribute, context), sort_attribute,
               staff_key_order(sort_attribute->order, descending));
  return true;
}

}  // namespace

bool staff_key_order::operator()(const staff_sort_key& a, const staff_sort_key& b) const noexcept {
  int result = by_text_ ? compare_texts(a.text, b.text) : compare_numbers(a.number, b.number);
  if (result == 0 && ties_by_names_) {
    result = compare_texts(a.second_name, b.second_name);
    if (result == 0) {
      result = compare_texts(a.first_name, b.first_name);
    }
  }
  if (result != 0) {
    return descending_ ? result > 0 : result < 0;
  }
  // The last tie-break is the display name ascending, in both directions.
  return compare_texts(a.display_name, b.display_name) < 0;
}

bool sort_staff(std::vector<qor_staff*>& staff, int attribute, bool descending,
                const staff_sort_context& context) {
  return sort_by_attribute(staff, attribute, descending, context);
}

bool sort_staff(record_vector<qor_staff>& staff, int attribute, bool descending,
                const staff_sort_context& context) {
  return sort_by_attribute(staff, attribute, descending, context);
}

bool sort_staff(std::vector<qor_staff*>& staff, int attribute, bool descending) {
  return sort_by_attribute(staff, attribute, descending, current_staff_sort_context());
}

bool sort_staff(record_vector<qor_staff>& staff, int attribute, bool descending) {
  return sort_by_attribute(staff, attribute, descending, current_staff_sort_context());
}

bool compare_staff(const qor_staff& a, const qor_staff& b, int attribute, bool descending,
                   const staff_sort_context& context) {
  const staff_sort_attribute* sort_attribute = find_staff_sort_attribute(attribute);
  if (sort_attribute == nullptr) {
    return false;
  }
  staff_sort_key_maker make_key(*sort_attribute, context);
  return staff_key_order(sort_attribute->order, descending)(make_key(a), make_key(b));
}

bool compare_staff_display_name(const qor_staff* a, const qor_staff* b) {
  return before_with_nulls_last(
      a, b, [](const qor_staff& x, const qor_staff& y) { return compare_display_names(x, y) < 0; });
}

bool compare_staff_display_name_desc(const qor_staff* a, const qor_staff* b) {
  return before_with_nulls_last(
      a, b, [](const qor_staff& x, const qor_staff& y) { return compare_display_names(x, y) > 0; });
}

bool compare_staff_id_asc(const qor_staff* a, const qor_staff* b) {
  return before_with_nulls_last(a, b, staff_id_less);
}

bool compare_staff_id_desc(const qor_staff* a, const qor_staff* b) {
  return before_with_nulls_last(a, b, [](const qor_staff& x, const qor_staff& y) {
    const int result = compare_numbers(x.StaffID, y.StaffID);
    return result != 0 ? result > 0 : compare_display_names(x, y) < 0;
  });
}

void sort_staff_by_rca_ca_difference(record_vector<qor_staff>& staff) {
  const auto make_key = [](const qor_staff& record) {
    staff_sort_key key;
    key.number = record.rca_ca_difference;
    key.display_name = fold_ascii_case(display_name(record));
    return key;
  };
  sort_by_keys(staff, make_key, nullptr, staff_key_order(staff_order_rule::number, true));
}
