#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "records/record_pointer.h"

struct qor_staff;

// Which ability the distribution counts.
enum class ability_mode { current, potential };

// One row of the distribution: the abilities it counts and the stem of its controls' names
// ("range_1_10" names range_1_10_label, range_1_10_percent_label and range_1_10_bar).
struct ability_band {
  int lowest;
  int highest;
  std::string name;
};

// The 21 rows of the current ability (0, then 1 - 10 to 191 - 200); the potential ability adds
// the ten single values -1 to -10.
std::span<const ability_band> ability_bands(ability_mode mode);

// Who the distribution counts: players whose age lies in [from, to], loanees of the file's
// club only when asked for.
struct ability_range_filter {
  int age_from = 0;
  int age_to = 0;
  bool include_loanees = false;
  std::int32_t file_club_id = 0;
};

// The players whose ability lies in [lowest, highest]; `ages` holds each record's age in years,
// index for index. 0 for bounds outside what the mode allows or ages outside 0 to 50.
unsigned count_players_in_ca_range(std::span<const record_pointer<qor_staff>> staff,
                                   std::span<const int> ages, const ability_range_filter& filter,
                                   int lowest, int highest);
unsigned count_players_in_pa_range(std::span<const record_pointer<qor_staff>> staff,
                                   std::span<const int> ages, const ability_range_filter& filter,
                                   int lowest, int highest);

// The count's share of the total in percent; 0 for counts below 1 or above the total.
double range_percentage(unsigned total, unsigned count);

struct band_share {
  unsigned count = 0;
  double percentage = 0;
};

// The whole distribution of a mode: the total over every band and each band's share.
struct ability_distribution {
  unsigned total = 0;
  std::vector<band_share> bands;  // in ability_bands order
};

ability_distribution distribute_abilities(std::span<const record_pointer<qor_staff>> staff,
                                          std::span<const int> ages,
                                          const ability_range_filter& filter, ability_mode mode);

// A percentage as the page shows it: two decimals ("12.50", "100.00", "0.00").
std::string percentage_text(double percentage);

// The bar of a percentage on a background `graph_width` wide: whole pixels per percent times
// the percentage, truncated.
int bar_width(int graph_width, double percentage);
