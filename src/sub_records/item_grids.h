#pragma once

#include <cstdint>

#include "records/record_store.h"

class string_grid;

// The grid fills of the item kinds shown in string grids. Each clears the grid, sorts the vector
// first when `sort_flag` is 1 (anything else keeps its order), writes the header row and one row
// per item that `staff_id` owns, with the item as the row's object (not the history grid: its
// hidden list box holds the items in the same order). True when a row was filled; false, the
// grid left cleared, when there is none; false with a plain message naming the fill when the
// grid is missing.
// The two values of `sort_flag` the editor passes.
constexpr std::uint8_t grid_in_vector_order = 0;
constexpr std::uint8_t grid_sorted = 1;

bool fill_staff_retirement_string_grid(string_grid* grid, std::int32_t staff_id,
                                       record_vector<qor_staff_retirement>& items,
                                       std::uint8_t sort_flag);
bool fill_staff_unavailability_string_grid(string_grid* grid, std::int32_t staff_id,
                                           record_vector<qor_staff_unavailability>& items,
                                           std::uint8_t sort_flag);
bool fill_staff_non_player_history_string_grid(string_grid* grid, std::int32_t staff_id,
                                               record_vector<qor_staff_non_player_history>& items,
                                               std::uint8_t sort_flag);
bool fill_staff_long_term_career_string_grid(string_grid* grid, std::int32_t staff_id,
                                             record_vector<qor_staff_long_term_career>& items,
                                             std::uint8_t sort_flag);
bool fill_staff_achievements_string_grid(string_grid* grid, std::int32_t staff_id,
                                         record_vector<qor_staff_achievements>& items,
                                         std::uint8_t sort_flag);
bool fill_staff_contract_clauses_string_grid(string_grid* grid, std::int32_t staff_id,
                                             record_vector<qor_staff_contract_clauses>& items,
                                             std::uint8_t sort_flag);
bool fill_staff_injury_string_grid(string_grid* grid, std::int32_t staff_id,
                                   record_vector<qor_staff_injury>& items, std::uint8_t sort_flag);
bool fill_staff_days_at_club_nation_string_grid(string_grid* grid, std::int32_t staff_id,
                                                record_vector<qor_staff_days_at_club_nation>& items,
                                                std::uint8_t sort_flag);
bool fill_staff_history_string_grid(string_grid* grid, std::int32_t staff_id,
                                    record_vector<qor_staff_history>& items,
                                    std::uint8_t sort_flag);
bool fill_staff_job_string_grid(string_grid* grid, std::int32_t staff_id,
                                record_vector<qor_staff_job>& items, std::uint8_t sort_flag);
