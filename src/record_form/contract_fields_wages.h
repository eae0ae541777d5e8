#pragma once

#include <optional>

// The wage triplets of the contract page: a weekly, a monthly and a yearly amount, of which the
// one the user leaves drives the other two.

enum class wage_triplet {
  current_contract,  // weeks per month and year as the game's calendar counts them
  future_transfer,   // a year of exactly 52 weeks and 12 months
};

enum class wage_period { weekly, monthly, yearly };

struct wage_amounts {
  long long weekly = 0;
  long long monthly = 0;
  long long yearly = 0;

  friend bool operator==(const wage_amounts&, const wage_amounts&) = default;
};

// The three amounts when `amount` is the one for `period`. No value when a derived amount falls
// outside 0..999999999 (the arithmetic is 64-bit, so it never wraps).
std::optional<wage_amounts> convert_wage(wage_triplet triplet, wage_period period,
                                         long long amount);

// The largest amount for `period` whose derived amounts all fit, for the message that refuses
// a bigger one.
long long largest_convertible_wage(wage_triplet triplet, wage_period period);
