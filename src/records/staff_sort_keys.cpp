#include "staff_sort_keys.h"

#include <algorithm>
#include <array>
#include <initializer_list>

#include "dates.h"
#include "lookup.h"
#include "record_store.h"
#include "staff_order.h"

namespace {

constexpr long long no_date_key = 17000101;  // 1 January 1700

long long date_key(int year, int month, int day) {
  return year * 10000LL + month * 100LL + day;
}

int count_positive(std::initializer_list<int> values) {
  return static_cast<int>(std::count_if(values.begin(), values.end(), [](int v) { return v > 0; }));
}

int sum_of(std::initializer_list<int> values) {
  int sum = 0;
  for (int value : values) {
    sum += value;
  }
  return sum;
}

// The squad number a player wears at the file's club; 0 when he plays for another club.
std::int8_t squad_number_at_file_club(const qor_staff& staff, std::int32_t file_club_id) {
  if (staff.StaffClubContracted == file_club_id) {
    return staff.StaffPlayerSquadNumber;
  }
  if (staff.StaffClubOnLoanTo == file_club_id) {
    return staff.StaffPlayerLoanSquadNumber;
  }
  return 0;
}

}  // namespace

staff_sort_context current_staff_sort_context(const staff_position_texts& positions) {
  return {locale_data().locale_date_order, file_data().file_club_id, positions};
}

std::string fold_ascii_case(std::string_view text) {
  std::string folded(text);
  for (char& c : folded) {
    if (c >= 'a' && c <= 'z') {
      c = static_cast<char>(c - 'a' + 'A');
    }
  }
  return folded;
}

int ability_range_value(std::int16_t value) {
  static constexpr std::array<int, 10> range_values = {10, 25, 45, 65, 85, 105, 125, 145, 165, 185};
  if (value <= -1 && value >= -10) {
    return range_values[-value - 1];
  }
  return value;
}

long long staff_date_key(std::string_view text, std::string_view date_order) {
  int year = 0;
  int month = 0;
  int day = 0;
  if (text.empty() || !parse_date_text(text, date_order, year, month, day)) {
    return no_date_key;
  }
  return date_key(year, month, day);
}

int staff_physical_rating(const qor_staff& s) {
  const int injury_proneness = s.StaffPlayerInjuryProneness;
  const int n =
      count_positive({s.StaffPlayerAcceleration, s.StaffPlayerAgility, s.StaffPlayerBalance,
                      injury_proneness, s.StaffPlayerJumping, s.StaffPlayerNaturalFitness,
                      s.StaffPlayerPace, s.StaffPlayerStamina, s.StaffPlayerStrength});
  // Proneness to injury counts against the player.
  const int sum = sum_of({s.StaffPlayerAcceleration, s.StaffPlayerAgility, s.StaffPlayerBalance,
                          injury_proneness > 0 ? 20 - injury_proneness : 0, s.StaffPlayerJumping,
                          s.StaffPlayerNaturalFitness, s.StaffPlayerPace, s.StaffPlayerStamina,
                          s.StaffPlayerStrength});
  return sum > 0 && n >= 1 ? sum / n : 0;
}

int staff_technical_rating(const qor_staff& s) {
  const std::initializer_list<int> values = {
      s.StaffPlayerCorners,   s.StaffPlayerCrossing,   s.StaffPlayerDribbling,
      s.StaffPlayerFinishing, s.StaffPlayerFirstTouch, s.StaffPlayerFreeKicks,
      s.StaffPlayerHeading,   s.StaffPlayerLongShots,  s.StaffPlayerLongThrows,
      s.StaffPlayerMarking,   s.StaffPlayerPassing,    s.StaffPlayerPenalties,
      s.StaffPlayerTackling,  s.StaffPlayerTechnique,  s.StaffPlayerVersatility};
  const int n = count_positive(values);
  const int sum = sum_of(values);
  return sum != 0 && n >= 1 ? sum / n : 0;
}

int staff_pressure_determination_rating(const qor_staff& s) {
  const std::initializer_list<int> values = {s.StaffPressure, s.StaffDetermination};
  const int n = count_positive(values);
  const int sum = sum_of(values);
  return n >= 1 && sum > 0 ? sum / n : sum;
}

bool orders_by_text(staff_order_rule rule) {
  switch (rule) {
    case staff_order_rule::text_ignoring_case:
    case staff_order_rule::display_name:
    case staff_order_rule::name_ignoring_case:
    case staff_order_rule::text_by_codes:
    case staff_order_rule::club_name:
    case staff_order_rule::position_key:
      return true;
    default:
      return false;
  }
}

bool orders_ties_by_names(staff_order_rule rule) {
  return rule == staff_order_rule::name_ignoring_case || rule == staff_order_rule::position_key;
}

staff_sort_key staff_sort_key_maker::operator()(const qor_staff& staff) {
  staff_sort_key key;
  if (orders_by_text(attribute_.order)) {
    key.text = text_key(staff);
  } else {
    key.number = number_key(staff);
  }
  if (orders_ties_by_names(attribute_.order)) {
    key.second_name = fold_ascii_case(staff.StaffSecondName.view());
    key.first_name = fold_ascii_case(staff.StaffFirstName.view());
  }
  key.display_name = fold_ascii_case(display_name(staff));
  return key;
}

long long staff_sort_key_maker::number_key(const qor_staff& staff) const {
  const long long value = staff_field_number(staff, attribute_.field);
  const bool player = is_player(staff);
  switch (attribute_.order) {
    case staff_order_rule::staff_id:
    case staff_order_rule::number:
      return value;
    case staff_order_rule::unsigned_byte:
      return static_cast<std::uint8_t>(value);
    case staff_order_rule::date:
      return staff_date_key(staff_field_text(staff, attribute_.field), context_.date_order);
    case staff_order_rule::ability_range:
      return ability_range_value(static_cast<std::int16_t>(value));
    case staff_order_rule::player_number:
      return player ? value : 0;
    case staff_order_rule::player_ability_range:
      return player ? ability_range_value(static_cast<std::int16_t>(value)) : 0;
    case staff_order_rule::squad_number:
      return player ? squad_number_at_file_club(staff, context_.file_club_id) : 0;
    case staff_order_rule::weaker_foot:
      return player ? std::min(staff.StaffPlayerLeftFoot, staff.StaffPlayerRightFoot) : 0;
    case staff_order_rule::physical_rating:
      return player ? staff_physical_rating(staff) : 0;
    case staff_order_rule::technical_rating:
      return player ? staff_technical_rating(staff) : 0;
    case staff_order_rule::pressure_determination_rating:
      return player ? staff_pressure_determination_rating(staff) : 0;
    default:
      return 0;
  }
}

std::string staff_sort_key_maker::text_key(const qor_staff& staff) {
  switch (attribute_.order) {
    case staff_order_rule::text_ignoring_case:
    case staff_order_rule::name_ignoring_case:
      return fold_ascii_case(staff_field_text(staff, attribute_.field));
    case staff_order_rule::display_name:
      return fold_ascii_case(display_name(staff));
    case staff_order_rule::text_by_codes:
      return std::string(staff_field_text(staff, attribute_.field));
    case staff_order_rule::club_name:
      return club_name(staff.StaffClubContracted);
    case staff_order_rule::position_key:
      return position_texts_.sort_key(staff);
    default:
      return {};
  }
}

const std::string& staff_sort_key_maker::club_name(std::int32_t club_id) {
  // One pass over the club list instead of one search per record.
  if (!club_names_loaded_) {
    club_names_ = club_names_by_code();
    club_names_loaded_ = true;
  }
  auto found = club_names_.find(club_id);
  if (found == club_names_.end()) {
    found = club_names_.emplace(club_id, "").first;
  }
  return found->second;
}
