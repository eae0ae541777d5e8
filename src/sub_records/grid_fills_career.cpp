#include "sub_records/cell_makers.h"
#include "sub_records/grid_fill_engine.h"
#include "sub_records/item_grids.h"
#include "sub_records/item_sorts.h"

// The non-player history, long-term career and achievements grids.

namespace {

using N = qor_staff_non_player_history;

constexpr grid_column<N> non_player_history_columns[] = {
    {"Club", club_cell<&N::StaffNonPlayerHistoryClubContracted>},
    {"Nation", text_cell<&N::StaffNonPlayerHistoryNationContracted>},
    {"Job", code_name_cell<&lookup_lists::jobs_list, &N::StaffNonPlayerHistoryJobForClub>},
    {"Joined", text_cell<&N::StaffNonPlayerHistoryDateJoined>},
    {"Departed", text_cell<&N::StaffNonPlayerHistoryDateDeparted>},
};

constexpr grid_kind<N> non_player_history_grid = {
    .fill_name = "fill_staff_non_player_history_string_grid",
    .columns = non_player_history_columns,
    .sort = sort_staff_non_player_history,
};

using L = qor_staff_long_term_career;

constexpr const char* career_type_words[] = {"Not set", "Wants to", "Does not want to"};
constexpr const char* continent_words[] = {"Not set",       "Africa",  "Asia",         "Europe",
                                           "North America", "Oceania", "South America"};
constexpr const char* scope_words[] = {"Not set", "Club", "Nation"};

constexpr grid_column<L> long_term_career_columns[] = {
    {"Yes/No", word_cell<career_type_words, &L::StaffLongTermCareerType>},
    {"Continent", word_cell<continent_words, &L::StaffLongTermCareerContinent>},
    {"Nation", text_cell<&L::StaffLongTermCareerNation>},
    {"Comp", code_name_cell<&lookup_lists::club_comps_list, &L::StaffLongTermCareerDivision>},
    {"Club", club_cell<&L::StaffLongTermCareerClub>},
    {"Job", code_name_cell<&lookup_lists::jobs_list, &L::StaffLongTermCareerJob>},
    {"scope", word_cell<scope_words, &L::StaffLongTermCareerScope>},
};

constexpr grid_kind<L> long_term_career_grid = {
    .fill_name = "fill_staff_long_term_career_string_grid",
    .columns = long_term_career_columns,
    .sort = sort_staff_long_term_career,
};

using A = qor_staff_achievements;

constexpr const char* placing_words[] = {"Not set",     "Winner",       "Runner-Up",
                                         "Third Place", "Fourth Place", "Playoff Winner"};
constexpr const char* promotion_words[] = {"Not set", "Promoted", "Relegated"};

// The promotion code is kept as the exported text so that it is written back unchanged.
std::string promotion_cell(const A& item, const form_formats&) {
  return word_at(promotion_words, number_in_text(item.StaffAchievementsPromotionOrRelegation));
}

constexpr grid_column<A> achievements_columns[] = {
    {"Year", number_cell<&A::StaffAchievementsYear>},
    {"Date", text_cell<&A::StaffAchievementsDate>},
    {"Club Comp", code_name_cell<&lookup_lists::club_comps_list, &A::StaffAchievementsClubComp>},
    {"Club", club_cell<&A::StaffAchievementsClub>},
    {"Nation Comp",
     code_name_cell<&lookup_lists::nation_comps_list, &A::StaffAchievementsNationComp>},
    {"Nation", text_cell<&A::StaffAchievementsNation>},
    {"Placing", word_cell<placing_words, &A::StaffAchievementsPlacing>},
    {"Job", code_name_cell<&lookup_lists::jobs_list, &A::StaffAchievementsJob>},
    {"Promoted Or Relegated", promotion_cell},
};

constexpr grid_kind<A> achievements_grid = {
    .fill_name = "fill_staff_achievements_string_grid",
    .columns = achievements_columns,
    .sort = sort_staff_achievements,
};

}  // namespace

bool fill_staff_non_player_history_string_grid(string_grid* grid, std::int32_t staff_id,
                                               record_vector<qor_staff_non_player_history>& items,
                                               std::uint8_t sort_flag) {
  return fill_item_grid(grid, staff_id, items, sort_flag, non_player_history_grid);
}

bool fill_staff_long_term_career_string_grid(string_grid* grid, std::int32_t staff_id,
                                             record_vector<qor_staff_long_term_career>& items,
                                             std::uint8_t sort_flag) {
  return fill_item_grid(grid, staff_id, items, sort_flag, long_term_career_grid);
}

bool fill_staff_achievements_string_grid(string_grid* grid, std::int32_t staff_id,
                                         record_vector<qor_staff_achievements>& items,
                                         std::uint8_t sort_flag) {
  return fill_item_grid(grid, staff_id, items, sort_flag, achievements_grid);
}
