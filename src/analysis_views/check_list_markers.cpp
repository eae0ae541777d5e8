#include "analysis_views/check_list_markers.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include "analysis/check_list_facts.h"
#include "analysis/leave_checks.h"
#include "analysis_views/go_to_control.h"
#include "analysis_views/marker_icons.h"
#include "platform/app_locale.h"
#include "platform/dialog_service.h"
#include "platform/label_events.h"
#include "platform/win1252.h"
#include "record_form/editor_state.h"
#include "record_form/form_controls.h"
#include "record_form/form_text.h"
#include "sub_records/item_sorts.h"

namespace {

bool date_in_past(form_controls& form, const char* edit) {
  return date_edit_in_past(form.get<QLineEdit>(edit));
}

struct marker_rule {
  const char* marker;
  bool (*in_order)(const qor_staff& staff, form_controls& form);
  const char* field;  // where a click on the cross goes
};

// In the order the markers are set.
constexpr marker_rule marker_rules[] = {
    {"hist_missing",
     [](const qor_staff& staff, form_controls& form) {
       return !list_missing_history_years(form.get<QListWidget>("missing_history_entries_lb"),
                                          staff.StaffID, store().staff_history_list);
     },
     "staff_history_string_grid"},
    {"dob_missing", [](const qor_staff& staff, form_controls&) { return age_in_years(staff) != 0; },
     "staff_date_of_birth"},
    {"height_weight_missing",
     [](const qor_staff& staff, form_controls&) { return has_height_and_weight(staff); },
     "staff_pl_height_amount"},
    {"visual_app_missing",
     [](const qor_staff& staff, form_controls&) { return has_appearance_details(staff); },
     "staff_ethnicity"},
    {"date_joined_missing",
     [](const qor_staff& staff, form_controls&) { return !staff.StaffDateJoinedClub.empty(); },
     "staff_club_date_joined"},
    {"date_expires_missing",
     [](const qor_staff& staff, form_controls&) { return !staff.StaffContractExpiresClub.empty(); },
     "staff_club_contract_expires"},
    {"estimated_wage_missing",
     [](const qor_staff& staff, form_controls&) { return staff.StaffEstimatedWage != 0; },
     "staff_club_estimated_wage"},
    {"footedness_missing",
     [](const qor_staff& staff, form_controls&) { return has_strong_foot(staff); },
     "staff_pl_left_foot"},
    {"no_loan_sqaud_no",
     [](const qor_staff& staff, form_controls&) { return has_loan_squad_number_if_on_loan(staff); },
     "staff_pl_loan_squad_number"},
    {"loan_end_date_in_past",
     [](const qor_staff&, form_controls& form) {
       return !date_in_past(form, "staff_club_loan_until");
     },
     "staff_club_loan_until"},
    {"future_transfer_start_date_in_past",
     [](const qor_staff&, form_controls& form) {
       return !date_in_past(form, "staff_club_date_of_future_transfer");
     },
     "staff_club_date_of_future_transfer"},
    {"no_of_ppms",
     [](const qor_staff& staff, form_controls&) {
       return count_staff_ppms(staff.StaffID, store().staff_ppm_list) < too_many_ppms_count;
     },
     "staff_ppm"},
};

void show_marker(QLabel* marker, bool in_order, const marker_icons& icons) {
  marker->setPixmap(in_order ? icons.tick : icons.cross);
  if (in_order)
    marker->unsetCursor();
  else
    marker->setCursor(Qt::PointingHandCursor);
}

bool shows_cross(const QLabel* marker) {
  return marker->testAttribute(Qt::WA_SetCursor) &&
         marker->cursor().shape() == Qt::PointingHandCursor;
}

}  // namespace

void set_check_list_markers(const qor_staff& staff, form_controls& form,
                            const marker_icons& icons) {
  for (const marker_rule& rule : marker_rules) {
    const bool in_order = rule.in_order(staff, form);
    if (auto* marker = form.get<QLabel>(rule.marker))
      show_marker(marker, in_order, icons);
  }
}

void bind_check_list_markers(form_controls& form) {
  for (const marker_rule& rule : marker_rules) {
    auto* marker = form.get<QLabel>(rule.marker);
    if (marker == nullptr)
      continue;
    on_label_click(marker, [marker, &form, field = rule.field] {
      if (editor().current_staff != nullptr && shows_cross(marker))
        go_to_control(form.find(field));
    });
  }
}

bool list_missing_history_years(QListWidget* list, std::int32_t staff_id,
                                const record_vector<qor_staff_history>& history) {
  if (list == nullptr) {
    show_message("fill_staff_history: null listbox");
    return false;
  }
  list->clear();
  for (const std::string& line : missing_history_years(history, staff_id))
    list->addItem(QString::fromStdString(line));
  return list->count() > 0;
}

bool date_edit_in_past(const QLineEdit* edit) {
  if (edit == nullptr)
    return false;
  const form_formats formats = current_formats();
  return date_text_in_past(to_win1252(edit->text()), formats.no_date_text,
                           formats.locale_date_order, app_clock().now());
}
