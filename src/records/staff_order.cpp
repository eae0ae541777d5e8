#include "staff_order.h"

#include "staff_sort.h"
#include "text_compare.h"

std::string_view display_name(const qor_staff& staff) {
  return staff.StaffCommonName.empty() ? staff.StaffSecondName.view()
                                       : staff.StaffCommonName.view();
}

int compare_display_names(const qor_staff& a, const qor_staff& b) {
  return compare_ignoring_case(display_name(a), display_name(b));
}

bool staff_id_less(const qor_staff& a, const qor_staff& b) {
  if (a.StaffID != b.StaffID) {
    return a.StaffID < b.StaffID;
  }
  return compare_display_names(a, b) < 0;
}

void sort_staff_by_id(record_vector<qor_staff>& staff) {
  // The staff list's id order (sort attribute -1); it is stable, so records equal in id and name
  // keep their order and a second save writes the same bytes as the first.
  sort_staff(staff, staff_id_sort_attribute, false, staff_sort_context{});
}
