// The id search of Edit > Add staff and of an item list's Add on the generated 30,000-staff file
// with about 40 items per staff (goal: a small fraction of the 5 ms an Add may take), for a
// staff record and for a job, whose ids fill the whole temporary range. "add" is an Add as the
// editor makes it, the new record appended; "first_add" is the first Add after an open, and
// "reading_the_kind" an Add that reads the kind's ids from its records; "start_ids_at_load" is
// what a load spends on keeping the ids it gathered.
#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>

#include "bench_files.h"
#include "fake_locale.h"
#include "records/item_vectors.h"
#include "records/load_observer.h"
#include "records/record_store.h"
#include "records/staff_reader.h"

namespace {

constexpr int staff_count = 30000;
constexpr int adds_per_run = 200;

data_set& loaded() {
  static data_set* data = [] {
    auto* loading = new data_set;
    const fake_locale locale;
    silent_load_observer observer;
    if (!load_data(generated_file(staff_count).string(), *loading, {locale, observer}))
      std::abort();
    return loading;
  }();
  return *data;
}

template <class Record>
void append_new(record_vector<Record>& records, std::int32_t id) {
  records.push_back(std::make_unique<Record>());
  std::memcpy(static_cast<void*>(records.back().get()), &id, sizeof id);
}

std::int32_t new_staff_id(record_store& records) {
  return next_temporary_id(records, staff_kind);
}
std::int32_t new_job_id(record_store& records) {
  return next_temporary_id(records, item_kind::job);
}

void add_staff(benchmark::State& state) {
  record_store& records = loaded().records;
  for (auto _ : state) {
    const std::int32_t id = new_staff_id(records);
    benchmark::DoNotOptimize(id);
    append_new(records.staff_list, id);
  }
}

void add_job(benchmark::State& state) {
  record_store& records = loaded().records;
  for (auto _ : state) {
    const std::int32_t id = new_job_id(records);
    benchmark::DoNotOptimize(id);
    append_new(records.staff_job_list, id);
  }
}

template <class Record>
std::vector<std::int32_t> ids_of(const record_vector<Record>& records) {
  std::vector<std::int32_t> ids;
  for (const auto& record : records)
    ids.push_back(record_id(*record));
  return ids;
}

// The ids of every kind as a load gathers them.
std::vector<kind_ids> gathered_ids(const record_store& records) {
  std::vector<kind_ids> kinds;
  kinds.push_back({ids_of(records.staff_list), ids_of(records.staff_orig_list)});
  for_each_item_kind(records, [&](auto, const auto& current, const auto& original) {
    kinds.push_back({ids_of(current), ids_of(original)});
  });
  return kinds;
}

// The part of a load that keeps the ids it gathered for the adds.
void start_ids_at_load(benchmark::State& state) {
  record_store& records = loaded().records;
  for (auto _ : state) {
    state.PauseTiming();
    std::vector<kind_ids> kinds = gathered_ids(records);
    state.ResumeTiming();
    start_temporary_ids(records, std::move(kinds));
  }
}

// The first add after an open.
template <std::int32_t (*new_id)(record_store&)>
void first_add(benchmark::State& state) {
  record_store& records = loaded().records;
  for (auto _ : state) {
    state.PauseTiming();
    start_temporary_ids(records, gathered_ids(records));
    state.ResumeTiming();
    benchmark::DoNotOptimize(new_id(records));
  }
}

// An add after the ids kept were forgotten: the kind's records are read again.
template <std::int32_t (*new_id)(record_store&)>
void add_reading_the_kind(benchmark::State& state) {
  record_store& records = loaded().records;
  for (auto _ : state) {
    state.PauseTiming();
    records.indexes = {};
    state.ResumeTiming();
    benchmark::DoNotOptimize(new_id(records));
  }
}

BENCHMARK(add_staff)->Unit(benchmark::kMicrosecond)->Iterations(adds_per_run);
BENCHMARK(add_job)->Unit(benchmark::kMicrosecond)->Iterations(adds_per_run);
BENCHMARK(first_add<new_staff_id>)
    ->Name("first_add_staff")
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(20);
BENCHMARK(first_add<new_job_id>)
    ->Name("first_add_job")
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(20);
BENCHMARK(add_reading_the_kind<new_staff_id>)
    ->Name("add_staff_reading_the_kind")
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(20);
BENCHMARK(add_reading_the_kind<new_job_id>)
    ->Name("add_job_reading_the_kind")
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(20);
BENCHMARK(start_ids_at_load)->Unit(benchmark::kMicrosecond)->Iterations(20);

}  // namespace

BENCHMARK_MAIN();
