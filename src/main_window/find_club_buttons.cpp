#include "main_window/find_club_buttons.h"

#include <QComboBox>
#include <QPushButton>
#include <memory>

#include "main_window/find_club_name_form.h"
#include "platform/event_bindings.h"
#include "record_form/control_binding.h"
#include "record_form/form_controls.h"

namespace {

using f = club_pick_follow_ups;

constexpr find_club_button find_club_button_table[] = {
    {"find_club_contracted_btn", "staff_club_contracted"},
    {"find_mls_rights_club_btn", "staff_mls_rights_club"},
    {"find_draft_club_btn", "staff_draft_club"},
    {"find_contract_clauses_club_btn", "staff_contract_clauses_club",
     &f::process_staff_contract_clauses_edit},
    {"find_staff_club_loan_to_btn", "staff_club_loan_to"},
    {"find_staff_club_future_transfer_btn", "staff_club_future_transfer"},
    {"find_staff_favourite_club_club_btn", "staff_favourite_club_club",
     &f::process_staff_favourite_club_edit},
    {"find_staff_disliked_club_club_btn", "staff_disliked_club_club",
     &f::process_staff_disliked_club_edit},
    {"find_staff_history_club_btn", "staff_history_club", &f::process_staff_history_edit},
    {"find_staff_non_player_history_club_btn", "staff_non_player_history_club",
     &f::process_staff_non_player_history_edit, &f::enable_non_player_history_controls},
    {"find_staff_achievements_club_btn", "staff_achievements_club",
     &f::process_staff_achievements_edit},
    {"find_club_co_owned_by_btn", "staff_club_co_owned_by"},
    {"find_staff_days_at_club_nation_club_btn", "staff_days_at_club_nation_club",
     &f::process_staff_days_at_club_nation_edit},
    {"find_staff_long_term_career_club_btn", "staff_long_term_career_club",
     &f::process_staff_long_term_career_edit, &f::enable_long_term_career_controls},
};
static_assert(std::size(find_club_button_table) == 14);

void run_follow_up(const club_pick_follow_ups& follow_ups, club_pick_follow_up which) {
  if (which != nullptr && follow_ups.*which)
    (follow_ups.*which)();
}

}  // namespace

std::span<const find_club_button> find_club_buttons() {
  return find_club_button_table;
}

void find_club_btnClick(const form_controls& controls, const find_club_button& button,
                        const club_pick_follow_ups& follow_ups) {
  const std::int32_t club_id = execute_find_club_name(frm_find_club_name);
  if (club_id < 1)
    return;
  if (auto* combo = controls.get<QComboBox>(button.club_combo))
    fill_club_control(combo, club_id, text_value_tag);
  run_follow_up(follow_ups, button.first_after);
  run_follow_up(follow_ups, button.then_after);
}

void bind_find_club_buttons(const form_controls& controls, club_pick_follow_ups follow_ups) {
  const auto shared = std::make_shared<const club_pick_follow_ups>(std::move(follow_ups));
  for (const find_club_button& button : find_club_button_table) {
    if (auto* widget = controls.get<QPushButton>(button.button)) {
      on_button_click(
          widget, [&controls, &button, shared] { find_club_btnClick(controls, button, *shared); });
    }
  }
}
