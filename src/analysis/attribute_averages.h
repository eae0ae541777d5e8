#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "records/record_pointer.h"

struct qor_staff;

// The sixty attribute choices of the averages page, in the choice list's order.
inline constexpr int average_choice_count = 60;

// The staff sort attribute a choice orders the players by; -1 outside the choices.
int average_sort_attribute(int choice);

// The value a choice averages for a player: the attribute, trait, ability or reputation (a
// potential-ability range code counted as its range's value) or computed rating.
int average_value(const qor_staff& staff, int choice);

// How the N players are chosen.
enum class average_mode {
  grouped_by_ca,       // the N best by current ability, averaged at the attribute
  sorted_by_attribute  // simply the N best at the attribute
};

struct average_request {
  int choice = 0;
  int amount = 0;  // N
  bool include_loanees = false;
  std::int32_t file_club_id = 0;
  average_mode mode = average_mode::grouped_by_ca;
};

struct averaged_player {
  const qor_staff* staff;
  int value;
  bool loanee;
};

struct average_result {
  std::vector<averaged_player> players;  // in the order they entered
  long long total = 0;                   // the values are whole numbers
};

// Works on a copy: the staff vector's order is never changed.
average_result calculate_average(std::span<const record_pointer<qor_staff>> staff,
                                 const average_request& request);

// "7. Common Name (15)", or "7. Second, First (12)*" for a loanee.
std::string averaged_player_line(int number, const averaged_player& player);

// The three result texts: the total, the count, and the average with two decimals (empty when
// there is nothing to average).
struct average_texts {
  std::string total;
  std::string count;
  std::string average;
};
average_texts average_result_texts(const average_result& result);
