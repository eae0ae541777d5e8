#pragma once

#include <cstdint>
#include <span>
#include <string>

// The attribute edits of the record pages by group, with what each group's mean counts and
// what its step buttons change. Every mean and every step button reads these tables.

enum class attribute_group : std::uint8_t {
  mental_traits,
  np_general,
  np_chairman,
  np_coaching,
  np_physio,
  np_tactical,
  np_non_tactical,
  physical,
  technical,
  mental,
  goalkeeping,
  preferred_foot,
  position_ability,  // the reputations and abilities beside the position ratings
};

// Absolute and relative player attributes have means of their own.
enum class attribute_kind : std::uint8_t { none, absolute, relative };

// Which pair of "+1" and "-1" buttons changes a group.
enum class step_set : std::uint8_t { traits, non_player, positions, player };

struct attribute_member {
  const char* edit;
  attribute_group group;
  attribute_kind kind;
  // Low is good: the means take 20 minus the value, and no step button changes it.
  bool inverted;
};

struct attribute_group_spec {
  attribute_group group;
  const char* container;      // the group box holding the edits
  const char* selection_box;  // the "Allow inc/dec" box; null when the group always steps
  step_set steps;
  bool select_all;  // "Select All" of its step buttons ticks the box
};

// One mean: the groups it takes, optionally only edits of one kind, and where it is shown.
struct group_mean_spec {
  const char* name;
  std::uint32_t groups;  // bit per attribute_group
  attribute_kind only;   // none: every kind
  const char* label;
  const char* bar;         // null: no bar
  const char* background;  // the shape whose width a mean of 20 fills
};

std::span<const attribute_member> attribute_members();
std::span<const attribute_group_spec> attribute_group_specs();
const attribute_group_spec& group_spec_of(attribute_group group);
std::span<const group_mean_spec> group_mean_specs();

constexpr std::uint32_t group_bit(attribute_group group) {
  return 1U << static_cast<unsigned>(group);
}

// The mean of the set values (0 is not set and left out; an inverted attribute counts as 20
// minus its value) of the members the mean takes; 0.0 when none is set. `values` holds one
// value per entry of attribute_members().
double group_mean(const group_mean_spec& mean, std::span<const int> values);

// "%3.2lf" of the mean, with a decimal point whatever the locale (a mean is never below 0, so
// its two decimals always make three characters or more).
std::string mean_text(double mean);

// The bar width that shows the mean against a background as wide as a mean of 20; a mean
// outside 0 to 20 fills the background or leaves it empty.
int mean_bar_width(int background_width, double mean);

// A value after one step: "+1" raises 1 to max-1 by one; "-1" lowers 2 to max by one. 0 (not
// set) and negative codes are never changed, so no step erases a value: "-1" then "+1" gives
// every value above 1 back, and 1 becomes 2.
int stepped_value(int value, int step, int max);
