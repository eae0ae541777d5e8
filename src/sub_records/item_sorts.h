#pragma once

#include <cstdint>
#include <string_view>

#include "records/record_store.h"

// The orders of the item lists. Each sorter reorders the kind's whole store vector (every staff
// member's items) in place, keeps that order until the next sort, and returns true. Null
// entries go to the end.
bool sort_staff_favourite_disliked_staff(record_vector<qor_staff_favourite_disliked_staff>& items);
bool sort_staff_favourite_disliked_club(record_vector<qor_staff_favourite_disliked_club>& items);
bool sort_staff_history(record_vector<qor_staff_history>& items);
bool sort_staff_retirement(record_vector<qor_staff_retirement>& items);
bool sort_staff_unavailability(record_vector<qor_staff_unavailability>& items);
bool sort_staff_non_player_history(record_vector<qor_staff_non_player_history>& items);
bool sort_staff_long_term_career(record_vector<qor_staff_long_term_career>& items);
bool sort_staff_achievements(record_vector<qor_staff_achievements>& items);
bool sort_staff_contract_clauses(record_vector<qor_staff_contract_clauses>& items);
bool sort_staff_injury(record_vector<qor_staff_injury>& items);
bool sort_staff_days_at_club_nation(record_vector<qor_staff_days_at_club_nation>& items);
bool sort_staff_job(record_vector<qor_staff_job>& items);

// -1, 0 or 1 as date text `a` is before, the same as or after `b`, both read in the date order
// named `order`. Identical texts are the same date; an empty text is 1 January 1700; a text that
// cannot be read as a date comes after every readable one.
int compare_date_texts(std::string_view a, std::string_view b, std::string_view order);

// The staff member's preferred moves that are not marked for deletion.
std::int32_t count_staff_ppms(std::int32_t staff_id, const record_vector<qor_staff_ppm>& items);
