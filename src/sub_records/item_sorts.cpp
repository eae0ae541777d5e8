#include "sub_records/item_sorts.h"

#include <compare>
#include <string>
#include <tuple>

#include "record_form/editor_state.h"
#include "record_form/form_text.h"
#include "records/dates.h"
#include "records/history_order.h"
#include "records/item_order.h"
#include "records/item_vectors.h"
#include "records/text_compare.h"

namespace {

// Sorts by `key` (an item's sort key, ordered by <), through the data set's index for its own
// vectors; `date_order` names the order the key reads dates in, empty when it reads none.
template <class Item, class Key>
bool sort_items(record_vector<Item>& items, Key key, std::optional<std::int32_t> shown_owner,
                std::string_view date_order = {}) {
  if (owner_positions* index = store_owner_index(items))
    keep_in_order(items, *index, key, shown_owner, date_order);
  else
    stable_sort_items(items, key);
  return true;
}

// Date keys need the locale's order; it is read once per sort.
std::string locale_order() {
  return current_formats().locale_date_order;
}

// (readable, year, month, day): unreadable dates share one key that sorts after all others.
std::tuple<int, int, int, int> date_key(std::string_view text, std::string_view order) {
  if (text.empty())
    return {0, 1700, 1, 1};
  int year = 0;
  int month = 0;
  int day = 0;
  if (!parse_date_text(text, order, year, month, day))
    return {1, 0, 0, 0};
  return {0, year, month, day};
}

// A date, then the id: the order of the kinds listed by a date.
template <auto Date, auto Id>
bool sort_by_date_then_id(auto& items, std::optional<std::int32_t> shown_owner) {
  const std::string order = locale_order();
  return sort_items(
      items,
      [&order](const auto& item) {
        return std::tuple(date_key((item.*Date).view(), order), item.*Id);
      },
      shown_owner, order);
}

// Newest id first; 64 bits, so that the lowest id turns round too.
template <auto Id>
bool sort_by_id_descending(auto& items, std::optional<std::int32_t> shown_owner) {
  return sort_items(
      items, [](const auto& item) { return -std::int64_t{item.*Id}; }, shown_owner);
}

}  // namespace

int compare_date_texts(std::string_view a, std::string_view b, std::string_view order) {
  if (a == b)
    return 0;
  const auto result = date_key(a, order) <=> date_key(b, order);
  return result < 0 ? -1 : (result > 0 ? 1 : 0);
}

bool sort_staff_favourite_disliked_staff(record_vector<qor_staff_favourite_disliked_staff>& items,
                                         std::optional<std::int32_t> shown_owner) {
  return sort_items(
      items, [](const auto& item) { return -int{item.StaffFavouriteStaffRating}; }, shown_owner);
}

bool sort_staff_favourite_disliked_club(record_vector<qor_staff_favourite_disliked_club>& items,
                                        std::optional<std::int32_t> shown_owner) {
  return sort_items(
      items, [](const auto& item) { return -int{item.StaffFavouriteClubsRating}; }, shown_owner);
}

bool sort_staff_history(record_vector<qor_staff_history>& items,
                        std::optional<std::int32_t> shown_owner) {
  return sort_items(items, history_order_key, shown_owner);
}

bool sort_staff_retirement(record_vector<qor_staff_retirement>& items,
                           std::optional<std::int32_t> shown_owner) {
  using R = qor_staff_retirement;
  return sort_by_date_then_id<&R::StaffRetirementDate, &R::StaffRetirementID>(items, shown_owner);
}

bool sort_staff_unavailability(record_vector<qor_staff_unavailability>& items,
                               std::optional<std::int32_t> shown_owner) {
  using U = qor_staff_unavailability;
  return sort_by_date_then_id<&U::StaffUnavailabilityDateFrom, &U::StaffUnavailabilityID>(
      items, shown_owner);
}

bool sort_staff_non_player_history(record_vector<qor_staff_non_player_history>& items,
                                   std::optional<std::int32_t> shown_owner) {
  using N = qor_staff_non_player_history;
  return sort_by_date_then_id<&N::StaffNonPlayerHistoryDateJoined, &N::StaffNonPlayerHistoryID>(
      items, shown_owner);
}

bool sort_staff_achievements(record_vector<qor_staff_achievements>& items,
                             std::optional<std::int32_t> shown_owner) {
  const std::string order = locale_order();
  return sort_items(
      items,
      [&order](const qor_staff_achievements& item) {
        return std::tuple(item.StaffAchievementsYear,
                          date_key(item.StaffAchievementsDate.view(), order));
      },
      shown_owner, order);
}

bool sort_staff_job(record_vector<qor_staff_job>& items, std::optional<std::int32_t> shown_owner) {
  return sort_items(
      items,
      [](const qor_staff_job& item) {
        return std::tuple(-int{item.StaffJobRating}, item.StaffJobID);
      },
      shown_owner);
}

bool sort_staff_long_term_career(record_vector<qor_staff_long_term_career>& items,
                                 std::optional<std::int32_t> shown_owner) {
  return sort_by_id_descending<&qor_staff_long_term_career::StaffLongTermCareerID>(items,
                                                                                   shown_owner);
}

bool sort_staff_contract_clauses(record_vector<qor_staff_contract_clauses>& items,
                                 std::optional<std::int32_t> shown_owner) {
  return sort_by_id_descending<&qor_staff_contract_clauses::StaffContractClausesID>(items,
                                                                                    shown_owner);
}

bool sort_staff_injury(record_vector<qor_staff_injury>& items,
                       std::optional<std::int32_t> shown_owner) {
  return sort_by_id_descending<&qor_staff_injury::StaffInjuriesID>(items, shown_owner);
}

bool sort_staff_days_at_club_nation(record_vector<qor_staff_days_at_club_nation>& items,
                                    std::optional<std::int32_t> shown_owner) {
  return sort_by_id_descending<&qor_staff_days_at_club_nation::StaffDaysAtClubNationID>(
      items, shown_owner);
}

std::int32_t count_staff_ppms(std::int32_t staff_id, const record_vector<qor_staff_ppm>& items) {
  std::int32_t count = 0;
  for (const qor_staff_ppm* item : items_owned_by(items, staff_id)) {
    if (!equals_ignoring_case(item->StaffPPMMarkedForDeletion.view(), "true"))
      ++count;
  }
  return count;
}
