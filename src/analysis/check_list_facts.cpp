#include "analysis/check_list_facts.h"

#include <algorithm>

#include "ability/rating_bands.h"
#include "records/dates.h"

namespace {

// The season every history should hold, whatever its gaps.
constexpr int required_history_year = 2012;

struct rating_word {
  rating_band band;
  std::string_view word;
};

constexpr rating_word rating_words[] = {
    {rating_band::natural, ": (Natural)"},         {rating_band::from_15_to_19, ": (Accomplished)"},
    {rating_band::from_12_to_14, ": (Competent)"}, {rating_band::from_9_to_11, ": (Unconvincing)"},
    {rating_band::from_5_to_8, ": (Awkward)"},     {rating_band::up_to_4, ": (Ineffectual)"},
};

}  // namespace

std::vector<std::string> missing_history_years(const record_vector<qor_staff_history>& history,
                                               std::int32_t staff_id) {
  std::vector<int> years;
  for (const qor_staff_history* season : items_owned_by(history, staff_id))
    years.push_back(season->StaffHistoryYear);
  std::sort(years.begin(), years.end());
  std::vector<std::string> lines;
  bool required_in_gap = false;
  // In 64 bits, so that the years around the widest of gaps need no care.
  std::int64_t held = 0;
  for (const int year : years) {
    if (held != 0 && year > held + 1) {
      const std::int64_t first = held + 1;
      const std::int64_t last = std::int64_t{year} - 1;
      required_in_gap =
          required_in_gap || (first <= required_history_year && required_history_year <= last);
      if (last - first < widest_gap_listed_by_year) {
        for (std::int64_t gap = first; gap <= last; ++gap)
          lines.push_back(std::to_string(gap));
      } else {
        lines.push_back(std::to_string(first) + " to " + std::to_string(last));
      }
    }
    held = year;
  }
  if (!required_in_gap && !std::binary_search(years.begin(), years.end(), required_history_year))
    lines.push_back(std::to_string(required_history_year));
  return lines;
}

bool has_height_and_weight(const qor_staff& staff) {
  return !is_player(staff) ||
         (staff.StaffPlayerHeightAmount != 0.0F && staff.StaffPlayerWeightAmount != 0.0F);
}

bool has_appearance_details(const qor_staff& staff) {
  return !is_player(staff) ||
         (staff.StaffHairColour != 0 && staff.StaffSkinTone != 0 && staff.StaffEthnicity != 0);
}

bool has_strong_foot(const qor_staff& staff) {
  return staff.StaffPlayerLeftFoot == 20 || staff.StaffPlayerRightFoot == 20;
}

bool has_loan_squad_number_if_on_loan(const qor_staff& staff) {
  return staff.StaffClubOnLoanTo <= 0 || staff.StaffPlayerLoanSquadNumber != 0;
}

bool date_text_in_past(std::string_view text, std::string_view no_date_text,
                       std::string_view date_order, const date_time& today) {
  if (text == no_date_text)
    return false;
  int year = 0;
  int month = 0;
  int day = 0;
  if (!parse_date_text(text, date_order, year, month, day))
    return false;
  // Midnight of the date lies before any moment of today, so today counts as past.
  return day_number(year, month, day) <= day_number(today.year, today.month, today.day);
}

std::string_view position_rating_word(int rating) {
  if (rating < 1)
    return {};
  const auto band = rating_band_of(rating);
  if (!band)
    return {};
  for (const rating_word& entry : rating_words) {
    if (entry.band == *band)
      return entry.word;
  }
  return {};
}

const std::vector<std::string_view>& position_rating_words() {
  static const std::vector<std::string_view> words = [] {
    std::vector<std::string_view> all;
    for (const rating_word& entry : rating_words)
      all.push_back(entry.word);
    return all;
  }();
  return words;
}

std::string listed_field_name(std::string_view name, bool plain_prefix) {
  auto without = [&name](std::string_view prefix) {
    std::string text(name);
    const auto at = text.find(prefix);
    if (at != std::string::npos)
      text.erase(at, prefix.size());
    return text;
  };
  if (plain_prefix)
    return without("staff_");
  if (name.find("staff_pl_") != std::string_view::npos)
    return without("staff_pl_");
  return without("staff_np_");
}

std::string count_text(int counted, int total) {
  return std::to_string(counted) + "/" + std::to_string(total);
}
