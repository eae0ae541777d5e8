#pragma once

#include <array>
#include <string>
#include <vector>

#include "analysis/error_check_flags.h"

// The checks run on a staff record before the user leaves it. They look at what the record
// pages show (not yet committed into the record) and at the record's preferred moves in the
// store.

// What the checks read, taken from the pages by the caller.
struct leave_check_inputs {
  std::string first_name;
  std::string second_name;
  std::string date_of_birth;  // the date edit's text
  std::string year_of_birth;
  std::string no_date_text;  // what a date edit shows for no date
  int nation_index = -1;     // 0 is the list's "no nation" entry
  int second_nation_index = -1;
  int classification_index = 0;  // 2 player, 3 player and non-player
  int world_reputation = 0;
  int current_reputation = 0;
  int current_ability = 0;
  int potential_ability = 0;
  std::array<int, 15> position_ratings{};
  int live_ppm_count = 0;  // preferred moves not marked for deletion
};

// What a check can find, in the order the checks are asked.
enum class leave_finding : std::uint8_t {
  no_name,
  no_second_name,
  no_first_name,
  no_birth_details,
  no_nationality,
  reputation_order,
  ability_order,
  no_playing_position,
  too_many_ppms,
};

// How a finding is put to the user and the field a Yes takes them to (its pages are shown).
struct leave_question {
  leave_finding finding;
  const char* message;
  const char* focus;
};

const leave_question& leave_question_of(leave_finding finding);

// Preferred moves of that many or more live items are too many.
inline constexpr int too_many_ppms_count = 6;

// True when no rating reaches 15, the first rating that counts as a playing position.
bool has_no_playing_position(const std::array<int, 15>& ratings);

// The findings of the switched-on checks, in asking order; at most one name finding. Records
// that are not players stop after the nationality check.
std::vector<leave_finding> leave_findings(const leave_check_inputs& inputs,
                                          const error_check_flags& flags);
