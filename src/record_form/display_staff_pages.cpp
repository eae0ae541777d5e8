#include "record_form/display_staff_pages.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <string>

#include "ability/expected_potential_ability.h"
#include "ability/staff_attributes.h"
#include "platform/app_locale.h"
#include "record_form/binding_support.h"
#include "record_form/control_binding.h"
#include "record_form/form_controls.h"
#include "record_form/form_text.h"
#include "record_form/pages/page_specs.h"
#include "record_form/record_binding.h"
#include "record_form/skin_tone_picture.h"
#include "record_form/staff_commit.h"
#include "record_form/staff_page_visibility.h"
#include "records/staff_record.h"

namespace {

// A weekly wage as wages per month and year. The current wage uses the calendar's weeks; the
// future-transfer wage counts four weeks a month and twelve months a year.
struct wage_views {
  const char* month_edit;
  const char* year_edit;
  double weeks_per_month;
  double weeks_per_year;
};

constexpr wage_views current_wage = {"staff_club_estimated_wage_month",
                                     "staff_club_estimated_wage_year", 4.34812141, 52.177457};
constexpr wage_views future_transfer_wage = {"staff_future_transfer_estimated_wage_month",
                                             "staff_future_transfer_estimated_wage_year", 4.0,
                                             48.0};

void show_wages(const wage_views& views, std::string_view wage_text, long long weekly_wage,
                form_controls& form, const form_formats& formats) {
  auto* month = form.get<QLineEdit>(views.month_edit);
  auto* year = form.get<QLineEdit>(views.year_edit);
  if (month == nullptr || year == nullptr)
    return;
  if (wage_text.empty()) {
    char empty[1] = "";
    fill_control(month, slot(empty), text_value_tag, formats);
    fill_control(year, slot(empty), text_value_tag, formats);
    return;
  }
  // Truncated toward zero; the products of the largest wage still fit 64 bits.
  long long per_month = static_cast<long long>(weekly_wage * views.weeks_per_month);
  long long per_year = static_cast<long long>(weekly_wage * views.weeks_per_year);
  fill_money_control(month, slot(per_month), text_value_tag, formats);
  fill_money_control(year, slot(per_year), text_value_tag, formats);
}

void set_checked(QAbstractButton* button, bool checked) {
  if (button != nullptr)
    button->setChecked(checked);
}

void set_enabled(QWidget* control, bool enabled) {
  if (control != nullptr)
    control->setEnabled(enabled);
}

// The club and nation contract buttons: the club contract when a club is set, else the nation
// contract when a nation is; the nation contract is open to non-players only.
void show_contract_buttons(const qor_staff& record, form_controls& form) {
  auto* club = form.get<QAbstractButton>("radiobutton_staff_club_contract");
  auto* nation = form.get<QAbstractButton>("radiobutton_staff_nation_contract");
  const bool has_club = record.StaffClubContracted > 0;
  const bool has_nation = !record.StaffNationContracted.empty();
  if (has_club) {
    set_checked(club, true);
    set_checked(nation, false);
  }
  if (record.StaffClubContracted == 0) {
    set_checked(club, false);
    set_checked(nation, has_nation);
  }
  if (record.StaffClassification == 1 || record.StaffClassification == 3) {
    set_enabled(nation, true);
    set_checked(nation, has_nation);
  } else {
    set_enabled(nation, false);
    set_enabled(club, true);
    set_checked(club, has_club);
  }
}

void show_number(form_controls& form, const char* name, int value, const form_formats& formats) {
  if (auto* edit = form.get<QLineEdit>(name))
    fill_control(edit, slot(value), text_value_tag, formats);
}

void set_caption(form_controls& form, const char* name, std::string_view text) {
  if (auto* label = form.get<QLabel>(name))
    label->setText(display_text(text));
}

// The staff id sits above the pages, with the name line.
void show_staff_id(const qor_staff& record, form_controls& form) {
  static const page_spec staff_tab = staff_tab_page();
  fill_record_fields(std::span<const page_spec>(&staff_tab, 1), record, form);
}

}  // namespace

void show_staff_name_line(const qor_staff& record, form_controls& form) {
  std::string caption = ":ID - ";
  if (!record.StaffCommonName.empty()) {
    caption += record.StaffCommonName.view();
  } else {
    caption += record.StaffSecondName.view();
    caption += ", ";
    caption += record.StaffFirstName.view();
  }
  set_caption(form, "staff_id_label", caption);
}

void display_staff_pages(const qor_staff& record, form_controls& form) {
  const form_formats formats = current_formats();
  show_staff_id(record, form);
  show_staff_name_line(record, form);
  fill_staff_fields(record, form);

  show_number(form, "staff_years_left_contract", contract_years_left(record), formats);
  show_number(form, "staff_age",
              get_staff_age(record, app_clock().now(), formats.locale_date_order), formats);
  show_number(form, "staff_pl_expected_potential_ability",
              expected_potential_ability(record, age_in_years(record)), formats);
  show_wages(current_wage, record.StaffEstimatedWageText.view(), record.StaffEstimatedWage, form,
             formats);
  show_contract_buttons(record, form);
  show_player_pages(record, form);
  set_caption(form, "staff_pl_preferred_feet_label",
              preferred_foot_text(record.StaffPlayerLeftFoot, record.StaffPlayerRightFoot));
  show_wages(future_transfer_wage, record.StaffFutureTransferEstimatedWageText.view(),
             record.StaffFutureTransferEstimatedWage, form, formats);
  show_pages_for_classification(record, form);
  show_staff_skin_tone_display(form);
}
