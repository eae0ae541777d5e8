#include "sub_records/item_sorts.h"

#include <algorithm>
#include <compare>
#include <string>
#include <tuple>

#include "record_form/editor_state.h"
#include "record_form/form_text.h"
#include "records/dates.h"
#include "records/text_compare.h"

namespace {

// Sorts by `before`, a strict "sorts ahead of" test on two items; nulls go last. Equal items
// keep their order so the same data always lists the same way.
template <class Item, class Before>
bool sort_items(record_vector<Item>& items, Before before) {
  std::stable_sort(items.begin(), items.end(), [&](const auto& a, const auto& b) {
    if (a == nullptr || b == nullptr)
      return a != nullptr;
    return before(*a, *b);
  });
  return true;
}

template <class Item, class Member>
bool sort_by_id_descending(record_vector<Item>& items, Member id) {
  return sort_items(items, [id](const Item& a, const Item& b) { return a.*id > b.*id; });
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

}  // namespace

int compare_date_texts(std::string_view a, std::string_view b, std::string_view order) {
  if (a == b)
    return 0;
  const auto result = date_key(a, order) <=> date_key(b, order);
  return result < 0 ? -1 : (result > 0 ? 1 : 0);
}

bool sort_staff_favourite_disliked_staff(record_vector<qor_staff_favourite_disliked_staff>& items) {
  return sort_items(items, [](const auto& a, const auto& b) {
    return a.StaffFavouriteStaffRating > b.StaffFavouriteStaffRating;
  });
}

bool sort_staff_favourite_disliked_club(record_vector<qor_staff_favourite_disliked_club>& items) {
  return sort_items(items, [](const auto& a, const auto& b) {
    return a.StaffFavouriteClubsRating > b.StaffFavouriteClubsRating;
  });
}

bool sort_staff_history(record_vector<qor_staff_history>& items) {
  return sort_items(items, history_before);
}

bool sort_staff_retirement(record_vector<qor_staff_retirement>& items) {
  const std::string order = locale_order();
  return sort_items(items, [&](const auto& a, const auto& b) {
    const int dates = compare_date_texts(a.StaffRetirementDate, b.StaffRetirementDate, order);
    return dates != 0 ? dates < 0 : a.StaffRetirementID < b.StaffRetirementID;
  });
}

bool sort_staff_unavailability(record_vector<qor_staff_unavailability>& items) {
  const std::string order = locale_order();
  return sort_items(items, [&](const auto& a, const auto& b) {
    const int dates =
        compare_date_texts(a.StaffUnavailabilityDateFrom, b.StaffUnavailabilityDateFrom, order);
    return dates != 0 ? dates < 0 : a.StaffUnavailabilityID < b.StaffUnavailabilityID;
  });
}

bool sort_staff_non_player_history(record_vector<qor_staff_non_player_history>& items) {
  const std::string order = locale_order();
  return sort_items(items, [&](const auto& a, const auto& b) {
    const int dates = compare_date_texts(a.StaffNonPlayerHistoryDateJoined,
                                         b.StaffNonPlayerHistoryDateJoined, order);
    return dates != 0 ? dates < 0 : a.StaffNonPlayerHistoryID < b.StaffNonPlayerHistoryID;
  });
}

bool sort_staff_achievements(record_vector<qor_staff_achievements>& items) {
  const std::string order = locale_order();
  return sort_items(items, [&](const auto& a, const auto& b) {
    if (a.StaffAchievementsYear != b.StaffAchievementsYear)
      return a.StaffAchievementsYear < b.StaffAchievementsYear;
    return compare_date_texts(a.StaffAchievementsDate, b.StaffAchievementsDate, order) < 0;
  });
}

bool sort_staff_job(record_vector<qor_staff_job>& items) {
  return sort_items(items, [](const auto& a, const auto& b) {
    if (a.StaffJobRating != b.StaffJobRating)
      return a.StaffJobRating > b.StaffJobRating;
    return a.StaffJobID < b.StaffJobID;
  });
}

bool sort_staff_long_term_career(record_vector<qor_staff_long_term_career>& items) {
  return sort_by_id_descending(items, &qor_staff_long_term_career::StaffLongTermCareerID);
}

bool sort_staff_contract_clauses(record_vector<qor_staff_contract_clauses>& items) {
  return sort_by_id_descending(items, &qor_staff_contract_clauses::StaffContractClausesID);
}

bool sort_staff_injury(record_vector<qor_staff_injury>& items) {
  return sort_by_id_descending(items, &qor_staff_injury::StaffInjuriesID);
}

bool sort_staff_days_at_club_nation(record_vector<qor_staff_days_at_club_nation>& items) {
  return sort_by_id_descending(items, &qor_staff_days_at_club_nation::StaffDaysAtClubNationID);
}

std::int32_t count_staff_ppms(std::int32_t staff_id, const record_vector<qor_staff_ppm>& items) {
  std::int32_t count = 0;
  for (const auto& item : items) {
    if (item && item->StaffPPMStaff == staff_id &&
        !equals_ignoring_case(item->StaffPPMMarkedForDeletion.view(), "true"))
      ++count;
  }
  return count;
}
