// Load and save of generated .staff files at 100, 1,000, 10,000 and 30,000 staff with about 40
// items each, beside plain passes that only read the same file line by line or only write the
// same bytes to the same folder and sync them to disk, as a save does. The last line gives the
// 30,000-staff load and save times each divided by its plain pass: "load R1 save R2".

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <vector>

#include "bench_files.h"
#include "fake_locale.h"
#include "heap_counter.h"
#include "records/item_vectors.h"
#include "records/last_error.h"
#include "records/load_observer.h"
#include "records/staff_reader.h"
#include "records/staff_writer.h"

namespace {

constexpr int largest_staff_count = 30000;

class bench_clock : public system_clock_source {
 public:
  date_time now() const override { return {2012, 12, 31, 14, 5, 9}; }
};

const fake_locale locale;
const bench_clock clock_source;

bool load(const std::filesystem::path& path, data_set& data) {
  silent_load_observer observer;
  return load_data(path.string(), data, {locale, observer});
}

bool save(const std::filesystem::path& path, data_set& data) {
  std::string backup_warning;
  data.file.file_name.clear();  // no backup copy: the benchmark measures the save itself
  return save_data(path.string(), data, {locale, clock_source}, backup_warning);
}

int staff_count(const benchmark::State& state) {
  return static_cast<int>(state.range(0));
}

void finish(benchmark::State& state, const std::filesystem::path& file) {
  state.SetComplexityN(state.range(0));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(std::filesystem::file_size(file)));
}

void load_staff_file(benchmark::State& state) {
  const std::filesystem::path& file = generated_file(staff_count(state));
  {
    // The process's first touch of this much memory costs more than the load itself on some
    // machines; one untimed load leaves that out so the figure is the reader's own.
    data_set warm_up;
    load(file, warm_up);
  }
  for (auto _ : state) {
    auto data = std::make_unique<data_set>();
    if (!load(file, *data)) {
      state.SkipWithError(get_last_error().c_str());
      break;
    }
    state.PauseTiming();  // freeing the records is no part of a load
    data.reset();
    state.ResumeTiming();
  }
  finish(state, file);
}

void read_lines(benchmark::State& state) {
  const std::filesystem::path& file = generated_file(staff_count(state));
  std::vector<char> line(10001);
  for (auto _ : state) {
    std::FILE* in = std::fopen(file.c_str(), "rb");
    std::size_t bytes = 0;
    while (std::fgets(line.data(), static_cast<int>(line.size()), in) != nullptr) {
      bytes += std::strlen(line.data());
    }
    std::fclose(in);
    benchmark::DoNotOptimize(bytes);
  }
  finish(state, file);
}

void save_staff_file(benchmark::State& state) {
  data_set data;
  load(generated_file(staff_count(state)), data);
  const std::filesystem::path target = scratch_file("saved.staff");
  for (auto _ : state) {
    if (!save(target, data)) {
      state.SkipWithError(get_last_error().c_str());
      break;
    }
  }
  finish(state, target);
}

// The bytes a save writes, written line by line beside its file and synced to disk, since a
// save's own sync takes a share of its time that no work of the writer can lessen.
void write_lines(benchmark::State& state) {
  data_set data;
  load(generated_file(staff_count(state)), data);
  const std::filesystem::path target = scratch_file("plain.staff");
  save(target, data);
  const std::string bytes = read_bytes(target);
  std::vector<std::string_view> lines;
  for (std::size_t start = 0, end; start < bytes.size(); start = end + 1) {
    end = bytes.find('\n', start);
    lines.push_back(std::string_view(bytes).substr(start, end - start + 1));
  }
  for (auto _ : state) {
    std::FILE* out = std::fopen(target.c_str(), "wb");
    for (const std::string_view line : lines) {
      std::fwrite(line.data(), 1, line.size(), out);
    }
    std::fflush(out);
    ::fsync(::fileno(out));
    std::fclose(out);
  }
  finish(state, target);
}

void sizes(benchmark::internal::Benchmark* bench) {
  bench->Arg(100)->Arg(1000)->Arg(10000)->Arg(largest_staff_count);
  bench->Unit(benchmark::kMillisecond)->UseRealTime()->Complexity(benchmark::oN);
}

BENCHMARK(load_staff_file)->Name("load_data")->Apply(sizes);
BENCHMARK(read_lines)->Name("plain_read")->Apply(sizes);
BENCHMARK(save_staff_file)->Name("save_data")->Apply(sizes);
BENCHMARK(write_lines)->Name("plain_write")->Apply(sizes);

// Keeps the real time of every run by name ("load_data/10000") for the closing ratios; with
// --benchmark_repetitions the best of the repetitions, which busy machines disturb least.
class timing_reporter : public benchmark::ConsoleReporter {
 public:
  timing_reporter() : ConsoleReporter(isatty(fileno(stdout)) ? OO_Defaults : OO_Tabular) {}

  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.run_type == Run::RT_Iteration && !run.error_occurred) {
        const std::string name = run.run_name.function_name + "/" + run.run_name.args;
        const double time = run.GetAdjustedRealTime();
        times[name] = times.contains(name) ? std::min(times[name], time) : time;
      }
    }
    ConsoleReporter::ReportRuns(runs);
  }

  std::map<std::string, double> times;
};

std::string ratio(const timing_reporter& reporter, const std::string& engine,
                  const std::string& plain) {
  const std::string size = "/" + std::to_string(largest_staff_count);
  const auto a = reporter.times.find(engine + size), b = reporter.times.find(plain + size);
  if (a == reporter.times.end() || b == reporter.times.end() || b->second <= 0) {
    return "n/a";
  }
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", a->second / b->second);
  return text;
}

template <class Record>
std::size_t bytes_of(const record_vector<Record>& records) {
  return records.size() * sizeof(Record);
}

// What the loaded records take by themselves, current and original.
std::size_t records_bytes(const record_store& records) {
  std::size_t bytes = bytes_of(records.staff_list) + bytes_of(records.staff_orig_list);
  for_each_item_kind(records, [&](auto, const auto& current, const auto& original) {
    bytes += bytes_of(current) + bytes_of(original);
  });
  return bytes;
}

// The records lie in blocks that the heap count does not see; they are added to it.
void report_load_memory(int count) {
  const std::filesystem::path& file = generated_file(count);
  data_set data;
  std::size_t peak = 0;
  {
    const heap_measurement measurement;
    load(file, data);
    peak = measurement.peak_bytes() + data.records.blocks.bytes();
  }
  const double mb = 1024.0 * 1024.0;
  const double records = static_cast<double>(records_bytes(data.records)) / mb;
  const double file_size = static_cast<double>(std::filesystem::file_size(file)) / mb;
  std::printf(
      "memory %d staff: load peak %.1f MB; records %.1f MB + file %.1f MB = %.1f MB; "
      "peak / (records + file) = %.2f\n",
      count, static_cast<double>(peak) / mb, records, file_size, records + file_size,
      static_cast<double>(peak) / mb / (records + file_size));
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
    return 1;
  }
  timing_reporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  for (const int count : {100, 1000, 10000, largest_staff_count}) {
    report_load_memory(count);
  }
  std::printf("load %s save %s\n", ratio(reporter, "load_data", "plain_read").c_str(),
              ratio(reporter, "save_data", "plain_write").c_str());
  std::fflush(stdout);
  benchmark::Shutdown();
  return 0;
}
