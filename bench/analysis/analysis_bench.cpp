// The refreshes of the analysis pages over a generated file of 10,000 staff. Goals: all thirty
// general counts within 50 ms, the ability distribution within 20 ms, one attribute's average
// within 20 ms, the recommended-versus-current ability list within 1 s. Each refresh includes
// what the page does per refresh besides the core: the ages, worked out once per record.
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "ability/position_weightings.h"
#include "ability/staff_attributes.h"
#include "analysis/ability_ranges.h"
#include "analysis/attribute_averages.h"
#include "analysis/general_counts.h"
#include "analysis/rca_list.h"
#include "bench_files.h"
#include "fake_locale.h"
#include "record_form/editor_state.h"
#include "record_form/form_text.h"
#include "records/load_observer.h"
#include "records/program_paths.h"
#include "records/staff_reader.h"

namespace {

constexpr int staff_count = 10000;
constexpr std::int32_t file_club_id = 1;
const date_time today{2012, 12, 31, 14, 5, 9};

// The generated file, loaded once for every benchmark. Its classifications are random bytes,
// so three records in four are made players (the pages' costly case) and the rest non-players.
data_set& loaded_file() {
  static data_set data = [] {
    data_set loaded;
    const fake_locale locale;
    silent_load_observer observer;
    if (!load_data(generated_file(staff_count).string(), loaded, {locale, observer}))
      std::abort();
    int index = 0;
    for (const auto& staff : loaded.records.staff_list)
      staff->StaffClassification = static_cast<std::int8_t>(index++ % 4 == 0 ? 1 : 2);
    return loaded;
  }();
  return data;
}

std::vector<int> ages_of(const data_set& data) {
  const form_formats formats;
  std::vector<int> ages;
  ages.reserve(data.records.staff_list.size());
  for (const auto& staff : data.records.staff_list)
    ages.push_back(staff ? age_in_years(*staff, formats, today) : 0);
  return ages;
}

void general_counts(benchmark::State& state) {
  const data_set& data = loaded_file();
  const form_formats formats;
  const survey_context context{
      file_club_id,
      {150, 200, 100, 149},
      [formats](const qor_staff& staff) { return age_in_years(staff, formats, today); },
      [](std::int32_t) { return std::string("Club"); }};
  for (auto _ : state) {
    const staff_survey survey(data.records.staff_list, data.records.staff_orig_list, context);
    int sum = 0;
    for (int category = 0; category < staff_category_count; ++category)
      sum += survey.count(static_cast<staff_category>(category));
    benchmark::DoNotOptimize(sum);
  }
}
BENCHMARK(general_counts)->Unit(benchmark::kMillisecond);

void ability_distribution_refresh(benchmark::State& state) {
  const data_set& data = loaded_file();
  const ability_range_filter filter{16, 35, true, file_club_id};
  for (auto _ : state) {
    const std::vector<int> ages = ages_of(data);
    benchmark::DoNotOptimize(
        distribute_abilities(data.records.staff_list, ages, filter, ability_mode::potential));
  }
}
BENCHMARK(ability_distribution_refresh)->Unit(benchmark::kMillisecond);

void attribute_average(benchmark::State& state) {
  const data_set& data = loaded_file();
  const average_request request{0, 100, true, file_club_id, average_mode::grouped_by_ca};
  for (auto _ : state)
    benchmark::DoNotOptimize(calculate_average(data.records.staff_list, request).total);
}
BENCHMARK(attribute_average)->Unit(benchmark::kMillisecond);

void rca_list(benchmark::State& state) {
  set_program_folder(STAFF_EDITOR_SOURCE_DIR);
  if (!load_weightings()) {
    state.SkipWithError("the shipped weightings did not load");
    return;
  }
  data_set& data = loaded_file();
  const auto recommended = [](const qor_staff& staff) {
    return recommended_current_ability_of(staff, weightings());
  };
  for (auto _ : state)
    benchmark::DoNotOptimize(list_rca_ca_difference(data.records.staff_list, recommended).size());
}
BENCHMARK(rca_list)->Unit(benchmark::kMillisecond);

}  // namespace
