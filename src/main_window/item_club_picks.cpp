#include "main_window/item_club_picks.h"

#include "record_form/dependent_controls.h"
#include "record_form/item_selection.h"
#include "sub_records/item_panel_edits.h"

club_pick_follow_ups item_club_pick_follow_ups(form_controls& form) {
  return {
      .process_staff_contract_clauses_edit = [&form] { process_staff_contract_clauses_edit(form); },
      .process_staff_favourite_club_edit = [&form] { process_staff_favourite_club_edit(form); },
      .process_staff_disliked_club_edit = [&form] { process_staff_disliked_club_edit(form); },
      .process_staff_history_edit = [&form] { process_staff_history_edit(form); },
      .process_staff_non_player_history_edit =
          [&form] { process_staff_non_player_history_edit(form); },
      .process_staff_achievements_edit = [&form] { process_staff_achievements_edit(form); },
      .process_staff_days_at_club_nation_edit =
          [&form] { process_staff_days_at_club_nation_edit(form); },
      .process_staff_long_term_career_edit = [&form] { process_staff_long_term_career_edit(form); },
      .enable_non_player_history_controls =
          [&form] {
            enable_non_player_history_controls(
                selected_item<item_kind::non_player_history>().current, form);
          },
      .enable_long_term_career_controls =
          [&form] {
            enable_long_term_career_controls(selected_item<item_kind::long_term_career>().current,
                                             form);
          },
  };
}
