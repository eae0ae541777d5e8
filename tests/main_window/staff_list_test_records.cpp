#include "staff_list_test_records.h"

#include <memory>

#include "main_window/main_window.h"
#include "platform/item_objects.h"
#include "platform/owner_drawn_list_view.h"
#include "platform/page_control.h"
#include "records/lookup_lists.h"
#include "records/record_store.h"

void set_up_home_club_file() {
  file_data().file_club_id = home_club_id;
  file_data().file_title = "Home FC";
  locale_data().locale_date_order = "dd_mm_yyyy";
  lookups().club_list = {"None;0;0;0;0;0", "Home FC;1;2;3;4;100", "Away United;1;2;3;4;200",
                         "Loan Town;1;2;3;4;300"};
}

qor_staff& add_test_staff(std::int32_t id, std::string_view second_name,
                          std::string_view first_name, bool is_new) {
  auto staff = std::make_unique<qor_staff>();
  staff->StaffID = id;
  staff->StaffSecondName = second_name;
  staff->StaffFirstName = first_name;
  staff->StaffClubContracted = home_club_id;
  staff->StaffClassification = 2;
  if (!is_new)
    store().staff_orig_list.push_back(std::make_unique<qor_staff>(*staff));
  return *store().staff_list.emplace_back(std::move(staff));
}

void list_by_name_and_select_first(Tfrm_main& window) {
  window.fill_sorted_staff_list(window.list_box, store().staff_list, 1, false, false);
  click_entry(window, 0);
}

void show_pages_as_after_opening(Tfrm_main& window) {
  window.main_page_control->show();
  window.pc_staff->show();
  window.list_box->show();
  for (QWidget* child : window.panel_staff->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    child->setEnabled(true);
  window.pc_staff->setEnabled(true);
}

void click_entry(Tfrm_main& window, int index) {
  window.list_box->set_item_index(index);
  window.list_boxClick();
}

const qor_staff* entry_record(const Tfrm_main& window, int index) {
  return entry_object<qor_staff>(window.list_box, index);
}
