#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <tuple>

#include "records/item_kinds.h"
#include "records/item_vectors.h"
#include "records/last_error.h"
#include "records/record_layout.h"
#include "records/record_store.h"
#include "records/staff_writer.h"
#include "records_test_support.h"
#include "staff_file_generator.h"

// Load, save and load again any valid file: the store comes back field for field, originals
// included, with the staff in id order, and saving it again writes the very same bytes.

namespace {

struct locale_case {
  const char* order;
  char date_separator;
  char decimal_separator;
};

void PrintTo(const locale_case& locale, std::ostream* out) {
  *out << locale.order << " '" << locale.date_separator << "' '" << locale.decimal_separator << "'";
}

const locale_case locales[] = {
    {"dd_mm_yyyy", '/', '.'},
    {"yyyy_mm_dd", '-', ','},
    {"mm_dd_yyyy", '.', ','},
};

// The file's own date order, sample-date separator and decimal separator follow the seed, so
// the seeds cover conversions between every pair of orders.
staff_file_options file_options(std::uint64_t seed, int staff_count) {
  static const char* const orders[] = {"dd_mm_yyyy", "mm_dd_yyyy", "yyyy_mm_dd"};
  staff_file_options options;
  options.seed = seed;
  options.staff_count = staff_count;
  options.date_order = orders[seed % 3];
  options.date_separator = "/-."[seed / 3 % 3];
  options.decimal_separator = seed % 2 ? ',' : '.';
  return options;
}

template <class Record>
std::string first_difference(const record_vector<Record>& a, const record_vector<Record>& b,
                             const record_layout& layout, const std::string& vector_name) {
  if (a.size() != b.size()) {
    return vector_name + ": " + std::to_string(a.size()) + " vs " + std::to_string(b.size()) +
           " records";
  }
  for (std::size_t i = 0; i < a.size(); ++i) {
    for (const field_descriptor& field : layout.fields) {
      if (!same_field_value(record_bytes(*a[i]), record_bytes(*b[i]), field)) {
        const auto text = [&](const auto& record) {
          return field.holds_text()
                     ? std::string(read_text(record_bytes(*record), field.file_text_offset(),
                                             field.file_text_size()))
                     : std::to_string(
                           read_integer(record_bytes(*record), field.offset, field.size));
        };
        return vector_name + "[" + std::to_string(i) + "]." + std::string(field.name) + ": '" +
               text(a[i]) + "' vs '" + text(b[i]) + "'";
      }
    }
  }
  return {};
}

// Empty when both stores hold the same records in the same order; else the first difference.
std::string first_difference(const record_store& a, const record_store& b) {
  std::string difference = first_difference(a.staff_list, b.staff_list, staff_layout(), "staff");
  if (difference.empty()) {
    difference =
        first_difference(a.staff_orig_list, b.staff_orig_list, staff_layout(), "original staff");
  }
  for_each_item_kind(a, [&](auto kind, const auto& current, const auto& original) {
    using vectors = item_vectors<kind.value>;
    auto& other = const_cast<record_store&>(b);
    const std::string name(info_of(kind).keyword);
    if (difference.empty()) {
      difference = first_difference(current, vectors::current(other), item_layout(kind), name);
    }
    if (difference.empty()) {
      difference = first_difference(original, vectors::original(other), item_layout(kind),
                                    name + " originals");
    }
  });
  return difference;
}

void sort_by_id(record_vector<qor_staff>& staff) {
  std::ranges::stable_sort(staff, {}, [](const auto& record) { return record->StaffID; });
}

bool sorted_by_id(const record_vector<qor_staff>& staff) {
  return std::ranges::is_sorted(staff, {}, [](const auto& record) { return record->StaffID; });
}

bool save_file(const std::filesystem::path& path, data_set& data, const system_locale& locale) {
  const fixed_clock clock({2012, 12, 31, 14, 5, 9});
  std::string backup_warning;
  data.file.file_name.clear();  // no backup copies of the test's files
  return save_data(path.string(), data, {locale, clock}, backup_warning);
}

void check_round_trip(std::uint64_t seed, int staff_count, const locale_case& locale_settings) {
  const fake_locale locale(locale_settings.order, locale_settings.date_separator,
                           locale_settings.decimal_separator);
  const scratch_folder folder;
  write_text_file(folder / "generated.staff", generate_staff_file(file_options(seed, staff_count)));

  data_set expected, loaded, reloaded;
  ASSERT_TRUE(load_file(folder / "generated.staff", expected, locale)) << get_last_error();
  ASSERT_EQ(expected.records.staff_list.size(), static_cast<std::size_t>(staff_count));
  // The load counts from the ids it gathered while it read; the records must agree.
  EXPECT_EQ(expected.records.temporary_id_counter, first_temporary_id(expected.records));
  sort_by_id(expected.records.staff_list);
  sort_by_id(expected.records.staff_orig_list);
  ASSERT_TRUE(load_file(folder / "generated.staff", loaded, locale));

  ASSERT_TRUE(save_file(folder / "first.staff", loaded, locale)) << get_last_error();
  EXPECT_EQ(first_difference(expected.records, loaded.records), "") << "the save changed records";
  ASSERT_TRUE(load_file(folder / "first.staff", reloaded, locale)) << get_last_error();
  EXPECT_EQ(first_difference(expected.records, reloaded.records), "");
  EXPECT_TRUE(sorted_by_id(reloaded.records.staff_list));
  EXPECT_TRUE(sorted_by_id(reloaded.records.staff_orig_list));
  EXPECT_EQ(reloaded.file.file_club_id, expected.file.file_club_id);
  EXPECT_EQ(reloaded.file.file_decimal_separator, expected.file.file_decimal_separator);
  EXPECT_EQ(reloaded.file.file_date_order, locale_settings.order);

  ASSERT_TRUE(save_file(folder / "second.staff", reloaded, locale)) << get_last_error();
  EXPECT_TRUE(read_text_file(folder / "first.staff") == read_text_file(folder / "second.staff"))
      << "the second save wrote other bytes";
}

using round_trip_case = std::tuple<std::uint64_t, int, locale_case>;

std::string round_trip_name(const testing::TestParamInfo<round_trip_case>& info) {
  const auto& [seed, staff_count, locale] = info.param;
  return "seed" + std::to_string(seed) + "_staff" + std::to_string(staff_count) + "_" +
         locale.order;
}

class RoundTrip : public testing::TestWithParam<round_trip_case> {};

TEST_P(RoundTrip, LoadSaveLoadKeepsEveryFieldAndSavesTheSameBytesTwice) {
  const auto& [seed, staff_count, locale] = GetParam();
  check_round_trip(seed, staff_count, locale);
}

INSTANTIATE_TEST_SUITE_P(GeneratedFiles, RoundTrip,
                         testing::Combine(testing::Values(1, 2, 3, 4, 5, 6, 7, 8, 9),
                                          testing::Values(0, 1, 13, 60),
                                          testing::ValuesIn(locales)),
                         round_trip_name);

// The reader takes the file in blocks of a megabyte; lines straddle their ends.
TEST(LargeFileRoundTrip, AFileOfSeveralBlocksComesBackWhole) {
  check_round_trip(10, 300, locales[1]);
}

// The round trip only proves something when the files hold what they claim to.
TEST(GeneratedStaffFile, HoldsItemsOfEveryKindAndOriginalsThatDifferOrAreMissing) {
  const scratch_folder folder;
  staff_file_options options = file_options(4, 80);
  options.variations = false;
  write_text_file(folder / "generated.staff", generate_staff_file(options));
  data_set data;
  ASSERT_TRUE(load_file(folder / "generated.staff", data)) << get_last_error();

  std::map<std::int32_t, const qor_staff*> originals;
  for (const auto& original : data.records.staff_orig_list) {
    originals[original->StaffID] = original.get();
  }
  int without_original = 0, differing = 0;
  for (const auto& staff : data.records.staff_list) {
    const auto found = originals.find(staff->StaffID);
    if (found == originals.end()) {
      ++without_original;
    } else if (!std::ranges::all_of(staff_layout().fields, [&](const field_descriptor& field) {
                 return same_field_value(record_bytes(*staff), record_bytes(*found->second), field);
               })) {
      ++differing;
    }
    originals.erase(staff->StaffID);
  }
  EXPECT_GT(without_original, 0);
  EXPECT_GT(differing, 0);
  EXPECT_FALSE(originals.empty()) << "no original of a deleted record";
  for_each_item_kind(data.records, [&](auto kind, const auto& current, const auto& original) {
    EXPECT_FALSE(current.empty()) << info_of(kind).keyword;
    EXPECT_FALSE(original.empty()) << info_of(kind).keyword;
  });
}

}  // namespace
