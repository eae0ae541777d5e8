#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "records/record_store.h"

// The orders of the item lists. Each sorter leaves the kind's whole store vector (every staff
// member's items) as a stable sort by the kind's order would, null entries last, and returns
// true; the order stays until the next sort. A vector of the data set is sorted whole only the
// first time (and after it changed behind its index's back); later sorts look only at the items
// of the staff member shown last and of `shown_owner`, the one about to be shown, the only
// items the editor can have changed in between. Any other vector is sorted whole.
bool sort_staff_favourite_disliked_staff(record_vector<qor_staff_favourite_disliked_staff>& items,
                                         std::optional<std::int32_t> shown_owner = {});
bool sort_staff_favourite_disliked_club(record_vector<qor_staff_favourite_disliked_club>& items,
                                        std::optional<std::int32_t> shown_owner = {});
bool sort_staff_history(record_vector<qor_staff_history>& items,
                        std::optional<std::int32_t> shown_owner = {});
bool sort_staff_retirement(record_vector<qor_staff_retirement>& items,
                           std::optional<std::int32_t> shown_owner = {});
bool sort_staff_unavailability(record_vector<qor_staff_unavailability>& items,
                               std::optional<std::int32_t> shown_owner = {});
bool sort_staff_non_player_history(record_vector<qor_staff_non_player_history>& items,
                                   std::optional<std::int32_t> shown_owner = {});
bool sort_staff_long_term_career(record_vector<qor_staff_long_term_career>& items,
                                 std::optional<std::int32_t> shown_owner = {});
bool sort_staff_achievements(record_vector<qor_staff_achievements>& items,
                             std::optional<std::int32_t> shown_owner = {});
bool sort_staff_contract_clauses(record_vector<qor_staff_contract_clauses>& items,
                                 std::optional<std::int32_t> shown_owner = {});
bool sort_staff_injury(record_vector<qor_staff_injury>& items,
                       std::optional<std::int32_t> shown_owner = {});
bool sort_staff_days_at_club_nation(record_vector<qor_staff_days_at_club_nation>& items,
                                    std::optional<std::int32_t> shown_owner = {});
bool sort_staff_job(record_vector<qor_staff_job>& items,
                    std::optional<std::int32_t> shown_owner = {});

// -1, 0 or 1 as date text `a` is before, the same as or after `b`, both read in the date order
// named `order`. Identical texts are the same date; an empty text is 1 January 1700; a text that
// cannot be read as a date comes after every readable one.
int compare_date_texts(std::string_view a, std::string_view b, std::string_view order);

// The staff member's preferred moves that are not marked for deletion.
std::int32_t count_staff_ppms(std::int32_t staff_id, const record_vector<qor_staff_ppm>& items);
