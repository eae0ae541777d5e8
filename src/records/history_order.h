#pragma once

#include <tuple>

#include "item_records.h"

// The history order: by year, then year order, then id, ascending. The history grid and its hidden
// list are filled in it, and the earliest-season check sorts in it when asked.
inline auto history_order_key(const qor_staff_history& item) {
  return std::tuple(item.StaffHistoryYear, item.StaffHistoryYearOrder, item.StaffHistoryID);
}
