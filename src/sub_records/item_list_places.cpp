#include "sub_records/item_list_places.h"

#include <cstddef>

namespace {

constexpr const char* history_column_controls[] = {
    "staff_history_year",
    "staff_history_year_order",
    "staff_history_club",
    "staff_history_on_loan",
    "staff_history_apps",
    "staff_history_goals",
    "staff_history_date_joined",
    "staff_history_date_departed",
    "staff_history_fee",
    "staff_history_fee_currency",
    "staff_history_youth_player",
    "staff_history_loan_fee",
    "staff_history_loan_fee_currency",
    "staff_history_player_exchange_involved",
    "staff_history_draft_allocations_involved",
    "staff_history_international_slots_involved",
    "staff_history_draft_type",
};
constexpr const char* non_player_history_column_controls[] = {
    "staff_non_player_history_club",          "staff_non_player_history_nation",
    "staff_non_player_history_job_for_club",  "staff_non_player_history_date_joined",
    "staff_non_player_history_date_departed",
};
constexpr const char* injury_column_controls[] = {
    "staff_injury_injury",        "staff_injury_injured_from",     "staff_injury_injured_to",
    "staff_injury_permanent",     "staff_injury_future_permanent", "staff_injury_severity",
    "staff_injury_right_or_left", "staff_injury_does_not_train",
};
constexpr const char* job_column_controls[] = {"staff_job_job", "staff_job_rating"};
constexpr const char* contract_clauses_column_controls[] = {
    "staff_contract_clauses_loan_or_future", "staff_contract_clauses_type",
    "staff_contract_clauses_cash",           "staff_contract_clauses_cash_currency",
    "staff_contract_clauses_percentage",     "staff_contract_clauses_club",
    "staff_contract_clauses_number",         "staff_contract_clauses_win_or_qualify",
};
constexpr const char* days_at_club_nation_column_controls[] = {
    "staff_days_at_club_nation_type",
    "staff_days_at_club_nation_club",
    "staff_days_at_club_nation_nation",
    "staff_days_at_club_nation_days",
    "staff_days_at_club_nation_fifteen_twentyone",
    "staff_days_at_club_nation_marked_for_deletion",
    "staff_days_at_club_nation_stint",
};
constexpr const char* retirement_column_controls[] = {"staff_retirement_type",
                                                      "staff_retirement_date"};
constexpr const char* unavailability_column_controls[] = {
    "staff_unavailability_type",
    "staff_unavailability_date_from",
    "staff_unavailability_date_to",
};

constexpr const char* entry_question = "Delete entry ";

using enum item_kind;

constexpr item_list_place places[] = {
    {favourite_staff,
     "staff_favourite_staff",
     "add_favourite_staff",
     "del_favourite_staff_btn",
     "staff_favourite_staff_marked_for_deletion",
     "copy_staff_fav_staff_btn",
     "staff_favourite_staff_count",
     nullptr,
     {},
     0},
    {disliked_staff,
     "staff_disliked_staff",
     "add_disliked_staff",
     "del_disliked_staff_btn",
     "staff_disliked_staff_marked_for_deletion",
     "copy_staff_disliked_staff_btn",
     "staff_disliked_staff_count",
     nullptr,
     {},
     0},
    {favourite_club,
     "staff_favourite_clubs",
     "add_favourite_club",
     "del_favourite_club_btn",
     "staff_favourite_club_marked_for_deletion",
     "copy_staff_fav_clubs_btn",
     "staff_favourite_clubs_count",
     nullptr,
     {},
     0},
    {disliked_club,
     "staff_disliked_clubs",
     "add_disliked_club",
     "del_disliked_club_btn",
     "staff_disliked_club_marked_for_deletion",
     "copy_staff_disliked_clubs_btn",
     "staff_disliked_clubs_count",
     nullptr,
     {},
     0},
    {history, "staff_history_string_grid", "add_history_btn", "del_history_btn",
     "staff_history_marked_for_deletion", "copy_history_table_btn", "staff_history_count",
     "Delete season ", history_column_controls, 0},
    {language,
     "staff_language",
     "add_language_btn",
     "del_language_btn",
     "staff_language_marked_for_deletion",
     "copy_staff_languages_btn",
     "staff_language_count",
     nullptr,
     {},
     0},
    {ppm,
     "staff_ppm",
     "add_ppm_btn",
     "del_ppm_btn",
     "staff_ppm_marked_for_deletion",
     "copy_ppm_table_btn",
     "staff_ppm_count",
     nullptr,
     {},
     0},
    {non_player_history, "staff_non_player_history_string_grid", "add_non_player_history_btn",
     "delete_non_player_history_btn", "staff_non_player_history_marked_for_deletion", nullptr,
     "staff_non_player_history_count", entry_question, non_player_history_column_controls, 0},
    {injury, "staff_injury_string_grid", "add_injury_btn", "delete_injury_btn",
     "staff_injury_marked_for_deletion", nullptr, "staff_injury_count", entry_question,
     injury_column_controls, 0},
    {job, "staff_job_string_grid", "add_job_button", "delete_job_btn",
     "staff_job_marked_for_deletion", nullptr, "staff_job_count", entry_question,
     job_column_controls, 0},
    {contract_clauses, "staff_contract_clauses_string_grid", "add_contract_clauses_btn",
     "delete_contract_clauses_btn", "staff_contract_clauses_marked_for_deletion", nullptr,
     "staff_contract_clauses_count", entry_question, contract_clauses_column_controls, 0},
    {achievements,
     "staff_achievements_string_grid",
     "add_achievements_btn",
     "delete_achievements_btn",
     "staff_achievements_marked_for_deletion",
     nullptr,
     "staff_achievements_count",
     entry_question,
     {},
     2},
    {npt,
     "staff_npt",
     "add_npt_btn",
     "del_npt_btn",
     "staff_npt_marked_for_deletion",
     "copy_npt_table_btn",
     "staff_npt_count",
     nullptr,
     {},
     0},
    {days_at_club_nation, "staff_days_at_club_nation_string_grid", "add_days_at_club_nation_btn",
     "delete_days_at_club_nation_btn", "staff_days_at_club_nation_marked_for_deletion", nullptr,
     "staff_days_at_club_nation_count", entry_question, days_at_club_nation_column_controls, 0},
    {retirement, "staff_retirement_string_grid", "add_retirement_btn", "delete_retirement_btn",
     "staff_retirement_marked_for_deletion", nullptr, "staff_retirement_count", entry_question,
     retirement_column_controls, 0},
    {unavailability, "staff_unavailability_string_grid", "add_unavailability_btn",
     "delete_unavailability_btn", "staff_unavailability_marked_for_deletion", nullptr,
     "staff_unavailability_count", entry_question, unavailability_column_controls, 0},
    {long_term_career,
     "staff_long_term_career_string_grid",
     "add_long_term_career_btn",
     "delete_long_term_career_btn",
     "staff_long_term_career_marked_for_deletion",
     nullptr,
     "staff_long_term_career_count",
     entry_question,
     {},
     2},
};
static_assert(std::size(places) == item_kind_count);

constexpr bool in_kind_order() {
  for (std::size_t i = 0; i < std::size(places); ++i) {
    if (static_cast<std::size_t>(places[i].kind) != i)
      return false;
  }
  return true;
}
static_assert(in_kind_order());

}  // namespace

const item_list_place& place_of(item_kind kind) {
  return places[static_cast<std::size_t>(kind)];
}

std::span<const item_list_place> item_list_places() {
  return places;
}
