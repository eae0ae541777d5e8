#pragma once

#include <vector>

#include "record_store.h"
#include "staff_record.h"
#include "staff_sort_keys.h"

// Puts the records into the order of a sort attribute, ascending, or descending when
// `descending` is set; equal values stand in display-name order (ascending in both directions)
// unless the attribute orders otherwise. Records equal in value and display name keep their
// order, so sorting twice gives the same order. Null entries go to the end.
// Returns false, leaving the vector alone, for a number that has no order (only -1 to 141 do).
bool sort_staff(std::vector<qor_staff*>& staff, int attribute, bool descending,
                const staff_sort_context& context);
bool sort_staff(record_vector<qor_staff>& staff, int attribute, bool descending,
                const staff_sort_context& context);

// The same in the context of the loaded data set, without the position texts.
bool sort_staff(std::vector<qor_staff*>& staff, int attribute, bool descending);
bool sort_staff(record_vector<qor_staff>& staff, int attribute, bool descending);

// The strict order of two keys under one attribute and direction.
class staff_key_order {
 public:
  staff_key_order(staff_order_rule rule, bool descending)
      : by_text_(orders_by_text(rule)),
        ties_by_names_(orders_ties_by_names(rule)),
        descending_(descending) {}

  bool operator()(const staff_sort_key& a, const staff_sort_key& b) const noexcept;

 private:
  bool by_text_;
  bool ties_by_names_;
  bool descending_;
};

// By the recommended current ability minus the current ability (rca_ca_difference), greatest
// first, then display name ascending ignoring case; stable, null entries last.
void sort_staff_by_rca_ca_difference(record_vector<qor_staff>& staff);

// True when `a` stands before `b` under the attribute; false for a number without an order.
bool compare_staff(const qor_staff& a, const qor_staff& b, int attribute, bool descending,
                   const staff_sort_context& context);

// Comparators for sorts of their own. Display names compare ignoring case; equal names give
// false both ways.
bool compare_staff_display_name(const qor_staff* a, const qor_staff* b);
bool compare_staff_display_name_desc(const qor_staff* a, const qor_staff* b);
// The staff id, with the display name for the ids a damaged file may repeat.
bool compare_staff_id_asc(const qor_staff* a, const qor_staff* b);
bool compare_staff_id_desc(const qor_staff* a, const qor_staff* b);
