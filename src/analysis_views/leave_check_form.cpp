#include "analysis_views/leave_check_form.h"

#include <QComboBox>
#include <QLineEdit>

#include "ability_views/position_form.h"
#include "analysis_views/go_to_control.h"
#include "platform/dialog_service.h"
#include "platform/win1252.h"
#include "record_form/edit_integers.h"
#include "record_form/editor_state.h"
#include "record_form/form_controls.h"
#include "sub_records/item_sorts.h"

namespace {

std::string edit_text(const form_controls& form, const char* name) {
  const auto* edit = form.get<QLineEdit>(name);
  return edit != nullptr ? to_win1252(edit->text()) : std::string();
}

int edit_number(const form_controls& form, const char* name) {
  return edit_integer_or_zero(form.get<QLineEdit>(name));
}

int combo_index(const form_controls& form, const char* name) {
  const auto* combo = form.get<QComboBox>(name);
  return combo != nullptr ? combo->currentIndex() : -1;
}

std::array<int, 15> position_ratings(const form_controls& form) {
  std::array<int, 15> ratings{};
  const auto names = position_rating_edit_names();
  for (std::size_t index = 0; index < ratings.size() && index < names.size(); ++index)
    ratings[index] = edit_number(form, names[index]);
  return ratings;
}

}  // namespace

bool has_no_playing_position(const form_controls& form) {
  return has_no_playing_position(position_ratings(form));
}

leave_check_inputs read_leave_check_inputs(const form_controls& form, const qor_staff& leaving) {
  leave_check_inputs in;
  in.first_name = edit_text(form, "staff_first_name");
  in.second_name = edit_text(form, "staff_second_name");
  in.date_of_birth = edit_text(form, "staff_date_of_birth");
  in.year_of_birth = edit_text(form, "staff_year_of_birth");
  in.no_date_text = current_formats().no_date_text;
  in.nation_index = combo_index(form, "staff_nation");
  in.second_nation_index = combo_index(form, "staff_second_nation");
  in.classification_index = combo_index(form, "staff_classification");
  in.world_reputation = edit_number(form, "staff_pl_world_reputation");
  in.current_reputation = edit_number(form, "staff_pl_current_reputation");
  in.current_ability = edit_number(form, "staff_pl_current_ability");
  in.potential_ability = edit_number(form, "staff_pl_potential_ability");
  in.position_ratings = position_ratings(form);
  in.live_ppm_count = count_staff_ppms(leaving.StaffID, store().staff_ppm_list);
  return in;
}

bool check_staff_before_leaving(form_controls& form, const qor_staff& leaving) {
  for (const leave_finding finding :
       leave_findings(read_leave_check_inputs(form, leaving), error_checks())) {
    const leave_question& question = leave_question_of(finding);
    if (message_dialog(question.message, message_type::warning, message_buttons::yes_no) !=
        dialog_answer::yes)
      continue;
    go_to_control(form.find(question.focus));
    return true;
  }
  return false;
}
