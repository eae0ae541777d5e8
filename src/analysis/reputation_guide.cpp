#include "analysis/reputation_guide.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstddef>
#include <limits>

#include "records/staff_sort.h"

namespace {

constexpr std::string_view not_available = "N/A";

struct band_texts {
  int lowest;  // the band covers this value up to the next higher band's lowest less one
  std::array<std::string_view, 4> rows;
};

// Highest band first; the first band ends at 200 and the last covers everything below 30.
constexpr band_texts bands_table[] = {
    {170, {"165 - 200", "130 - 164", "50 - 129", "10 - 49"}},
    {150, {"130 - 165", "90 - 129", "30 - 89", "1 - 29"}},
    {140, {"120 - 150", "80 - 119", "20 - 79", "1 - 19"}},
    {130, {"100 - 130", "75 - 99", "10 - 74", "1 - 9"}},
    {120, {"95 - 120", "65 - 94", "10 - 64", "1 - 9"}},
    {110, {"90 - 110", "60 - 89", "10 - 59", "1 - 9"}},
    {105, {"85 - 105", "55 - 84", "10 - 54", "1 - 9"}},
    {100, {"75 - 95", "50 - 74", "5 - 49", "1 - 4"}},
    {95, {"60 - 80", "40 - 59", "5 - 39", "1 - 4"}},
    {90, {"55 - 75", "35 - 54", "2 - 34", "1"}},
    {85, {"50 - 70", "30-49", "2 - 29", "1"}},
    {80, {"45 - 65", "25 - 44", "2 - 24", "1"}},
    {75, {"40 - 65", "20 - 39", "2 - 19", "1"}},
    {70, {"35 - 55", "15 - 34", "2 - 14", "1"}},
    {65, {"30 - 50", "10 - 29", "2 - 9", "1"}},
    {60, {"25 - 45", "10 - 24", "2 - 9", "1"}},
    {55, {"20 - 40", "5 - 19", "2 - 4", "1"}},
    {50, {"15 - 35", "5 - 14", "2 - 4", "1"}},
    {45, {"10 - 30", "2 - 9", "1", "1"}},
    {40, {"5 - 25", "2 - 4", "1", "1"}},
    {35, {"5 - 20", "2 - 4", "1", "1"}},
    {30, {"2 - 15", "1", "1", "1"}},
    {std::numeric_limits<int>::min(), {"2 - 5", "1", "1", "1"}},
};
constexpr int highest_band_value = 200;

std::string_view trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos)
    return {};
  return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

std::optional<long long> whole_number(std::string_view field) {
  field = trimmed(field);
  long long value = 0;
  const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
  if (field.empty() || error != std::errc{} || end != field.data() + field.size())
    return std::nullopt;
  return value;
}

// Fields 1 to 8 of a line, split from the right so that field 1 keeps whatever stands before
// the seventh ';' from the end.
std::optional<std::array<std::string_view, 8>> eight_fields(std::string_view line) {
  std::array<std::string_view, 8> fields;
  for (int field = 7; field > 0; --field) {
    const auto cut = line.rfind(';');
    if (cut == std::string_view::npos)
      return std::nullopt;
    fields[field] = line.substr(cut + 1);
    line = line.substr(0, cut);
  }
  fields[0] = line;
  return fields;
}

bool fits_int(long long value) {
  return value >= std::numeric_limits<std::int32_t>::min() &&
         value <= std::numeric_limits<std::int32_t>::max();
}

std::vector<club_band>& band_store() {
  static std::vector<club_band> bands;
  return bands;
}

int reputation_key(const qor_staff& staff) {
  return is_player(staff) ? staff.StaffPlayerCurrentReputation : 0;
}

}  // namespace

std::vector<club_band> read_club_bands(std::span<const std::string> lines) {
  std::vector<club_band> bands;
  for (const std::string& text : lines) {
    const std::string_view line = trimmed(text);
    if (line.empty() || line == "0")
      continue;
    const auto fields = eight_fields(line);
    if (!fields)
      continue;
    const auto id = whole_number((*fields)[0]);
    const auto third = whole_number((*fields)[2]);
    const auto fourth = whole_number((*fields)[3]);
    const auto sixth = whole_number((*fields)[5]);
    const auto eighth = whole_number((*fields)[7]);
    if (!id || !third || !fourth || !sixth || !eighth || !fits_int(*id) || !fits_int(*third) ||
        !fits_int(*eighth))
      continue;
    bands.push_back({static_cast<std::int32_t>(*id), static_cast<int>((*eighth + 3 * *third) / 4)});
  }
  return bands;
}

const std::vector<club_band>& club_bands() {
  return band_store();
}

void set_club_bands(std::vector<club_band> bands) {
  band_store() = std::move(bands);
}

std::optional<int> club_band_value(std::span<const club_band> bands, std::int32_t club_id) {
  const auto line = std::find_if(bands.begin(), bands.end(), [club_id](const club_band& band) {
    return band.club_id == club_id;
  });
  if (line == bands.end())
    return std::nullopt;
  return line->band_value;
}

int current_reputation_rank(const record_vector<qor_staff>& staff, const qor_staff& record,
                            int enough) {
  // Counting those that stand before the record gives its place in the sorted order without
  // sorting a copy of the whole list on every record switch.
  const int key = reputation_key(record);
  constexpr std::size_t ahead = 8;
  int rank = 0;
  bool listed = false;
  std::size_t i = 0;
  for (; i < staff.size() && rank < enough; ++i) {
    // The records lie apart in memory: the two fields read are asked for some records ahead.
    if (i + ahead < staff.size() && staff[i + ahead]) {
      __builtin_prefetch(&staff[i + ahead]->StaffClassification);
      __builtin_prefetch(&staff[i + ahead]->StaffPlayerCurrentReputation);
    }
    const qor_staff* other = staff[i].get();
    if (other == nullptr)
      continue;
    if (other == &record) {
      listed = true;
      continue;
    }
    const int other_key = reputation_key(*other);
    if (other_key > key || (other_key == key && compare_staff_display_name(other, &record)))
      ++rank;
  }
  // Enough stand before it; whether it is listed at all still counts.
  listed = listed || std::any_of(staff.begin() + static_cast<std::ptrdiff_t>(i), staff.end(),
                                 [&record](const auto& other) { return other.get() == &record; });
  return listed ? rank : -1;
}

int reputation_guide_row(int rank) {
  if (rank < 0)
    return 0;
  if (rank <= 5)
    return 1;
  if (rank <= 17)
    return 2;
  if (rank < last_row_first_rank)
    return 3;
  return 4;
}

std::string_view reputation_range_text(int band_value, int row) {
  if (band_value > highest_band_value || row < 1 || row > 4)
    return not_available;
  for (const band_texts& band : bands_table) {
    if (band_value >= band.lowest)
      return band.rows[static_cast<std::size_t>(row - 1)];
  }
  return not_available;
}

std::string_view reputation_range_for(const qor_staff& record,
                                      const record_vector<qor_staff>& staff,
                                      std::span<const club_band> bands) {
  const auto band_value = club_band_value(bands, record.StaffClubContracted);
  if (!band_value)
    return not_available;
  return reputation_range_text(*band_value, reputation_guide_row(current_reputation_rank(
                                                staff, record, last_row_first_rank)));
}
