#pragma once

#include <cstdint>
#include <limits>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "records/record_store.h"

// The world reputation range suggested for a staff member: a band value of the club's division
// and the member's rank among all loaded staff by current reputation pick one text of a table.

// One usable line of the division list: the club and its band value.
struct club_band {
  std::int32_t club_id = 0;
  int band_value = 0;
};

// The lines of the division list (eight ';'-separated fields: club id, name, two numbers,
// division, a number, nation, a number) as club bands, in file order. The band value is
// (field 8 + 3 * field 3) / 4. Empty lines, "0" lines and lines that are short or carry a
// non-number where a number belongs are skipped.
std::vector<club_band> read_club_bands(std::span<const std::string> lines);

// The table the program reads once at start-up, and its setter.
const std::vector<club_band>& club_bands();
void set_club_bands(std::vector<club_band> bands);

// The band value of the club's first line; none when the club has no line.
std::optional<int> club_band_value(std::span<const club_band> bands, std::int32_t club_id);

// The 0-based place of the record among all staff ordered by player current reputation,
// highest first (0 for records that are not players), then by display name ignoring case;
// -1 when the record is not in the list. Counting stops at `enough`: any place from there on
// reads as `enough`.
int current_reputation_rank(const record_vector<qor_staff>& staff, const qor_staff& record,
                            int enough = std::numeric_limits<int>::max());

// The first rank of the table's last row: every rank from there on gives the same text.
inline constexpr int last_row_first_rank = 28;

// The table row of a rank: 0-5 row 1, 6-17 row 2, 18-27 row 3, 28 and beyond row 4.
int reputation_guide_row(int rank);

// The range text of a band value and row; "N/A" when the band value has no band (above 200)
// or the row is not 1 to 4.
std::string_view reputation_range_text(int band_value, int row);

// The whole guide for one record: "N/A" when the club has no line.
std::string_view reputation_range_for(const qor_staff& record,
                                      const record_vector<qor_staff>& staff,
                                      std::span<const club_band> bands);
