#pragma once

#include <functional>
#include <span>

class form_controls;

// After a club is picked into some item editors' panels, the item is committed and its list
// entry refreshed. These belong to the item list editors, which provide them; an empty one is
// skipped.
struct club_pick_follow_ups {
  std::function<void()> process_staff_contract_clauses_edit;
  std::function<void()> process_staff_favourite_club_edit;
  std::function<void()> process_staff_disliked_club_edit;
  std::function<void()> process_staff_history_edit;
  std::function<void()> process_staff_non_player_history_edit;
  std::function<void()> process_staff_achievements_edit;
  std::function<void()> process_staff_days_at_club_nation_edit;
  std::function<void()> process_staff_long_term_career_edit;
  // For the current non-player history and long-term career items, after their edit.
  std::function<void()> enable_non_player_history_controls;
  std::function<void()> enable_long_term_career_controls;
};

using club_pick_follow_up = std::function<void()> club_pick_follow_ups::*;

// A find button beside a club drop-down list, and what runs after a pick.
struct find_club_button {
  const char* button;
  const char* club_combo;
  club_pick_follow_up first_after = nullptr;
  club_pick_follow_up then_after = nullptr;
};

// The fourteen find buttons of the record pages.
std::span<const find_club_button> find_club_buttons();

// The click of a find button: runs the club picker (frm_find_club_name); when a club was
// picked, selects it in the button's drop-down list and runs the follow-ups. Cancel changes
// nothing.
void find_club_btnClick(const form_controls& controls, const find_club_button& button,
                        const club_pick_follow_ups& follow_ups);

// Binds the click of every find button that the controls hold.
void bind_find_club_buttons(const form_controls& controls, club_pick_follow_ups follow_ups);
