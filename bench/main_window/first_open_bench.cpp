// The first File > Open of a process, which pays for everything the window builds on first use.
// Each round runs this program again as a fresh process ("--one-open <file> <staff count>") that
// starts the window as the editor does and shows it, opens the generated file through File >
// Open with the dialog scripted, until the staff list is filled and the window painted, then
// opens it a second time the same way and finally times load_data alone on the same file. A
// second child ("--fresh-load <file>") times load_data as its first work: the part of the first
// open that is the reader's own, memory the process never used before included.
// Goal: the first open of 10,000 staff within 2.5 times load_data of the same file. The same
// file as exported, with no record changed, shows what the staff list's change colours cost.
#include <benchmark/benchmark.h>
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStringList>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "analysis_views/error_check_popup.h"
#include "bench_files.h"
#include "main_window/find_club_buttons.h"
#include "main_window/find_club_name_form.h"
#include "main_window/item_club_picks.h"
#include "main_window/main_window.h"
#include "platform/app_locale.h"
#include "platform/owner_drawn_list_view.h"
#include "platform/scripted_dialog_service.h"
#include "record_form/editor_state.h"
#include "records/load_observer.h"
#include "records/program_paths.h"
#include "records/record_store.h"
#include "records/staff_reader.h"
#include "window_bench_support.h"

namespace {

constexpr const char* one_open_flag = "--one-open";
constexpr const char* fresh_load_flag = "--fresh-load";

// The figures one process reports, in milliseconds, by name.
using figures = std::map<std::string, double>;

// File > Open of `path` with the dialog scripted, until the list holds every record and the
// window has been painted; the time taken, or a negative value when the file was not listed.
double timed_open(Tfrm_main& window, scoped_scripted_dialogs& dialogs, const QString& path,
                  int staff_count) {
  dialogs.queue_path(path);
  QElapsedTimer timer;
  timer.start();
  window.menu_open->trigger();
  let_window_settle();
  const double taken = elapsed_ms(timer);
  return window.list_box->count() == staff_count ? taken : -1.0;
}

// load_data alone on the same file, as the reader's own benchmark times it: into a data set of
// its own, in memory the process has used before; the best of three runs.
double timed_load_data(const std::string& path) {
  silent_load_observer observer;
  double best = -1.0;
  for (int round = 0; round < 3; ++round) {
    data_set data;
    QElapsedTimer timer;
    timer.start();
    if (!load_data(path, data, {app_locale(), observer}))
      return -1.0;
    const double taken = elapsed_ms(timer);
    best = best < 0 ? taken : std::min(best, taken);
  }
  return best;
}

// The child process: prints "name=milliseconds" for start-up, first open, second open and
// load_data on one line; returns non-zero when a step failed.
int run_one_open(int argc, char** argv, const std::string& file, int staff_count) {
  QApplication app(argc, argv);
  const bench_locale locale;
  set_program_folder(STAFF_EDITOR_SOURCE_DIR);
  init_locale_settings(locale_data(), app_locale());
  scoped_scripted_dialogs dialogs;
  const QString path = QFile::decodeName(QByteArray::fromStdString(file));

  figures measured;
  {
    QElapsedTimer timer;
    timer.start();
    // As the program entry builds and shows its forms.
    Tfrm_main window;
    frm_popup = new Tfrm_popup(&window);
    frm_find_club_name = new Tfrm_find_club_name(&window);
    bind_find_club_buttons(window.controls(), item_club_pick_follow_ups(window.controls()));
    window.show();
    let_window_settle();
    measured["startup_ms"] = elapsed_ms(timer);

    measured["first_open_ms"] = timed_open(window, dialogs, path, staff_count);
    // The record on screen is not committed: a generated record need not come back from the
    // pages unchanged, and the question about saving it would stop the open.
    editor().current_staff = nullptr;
    measured["repeat_open_ms"] = timed_open(window, dialogs, path, staff_count);
    editor().current_staff = nullptr;
  }
  frm_popup = nullptr;
  frm_find_club_name = nullptr;
  measured["load_data_ms"] = timed_load_data(file);

  bool failed = false;
  for (const auto& [name, value] : measured) {
    std::printf("%s=%.1f ", name.c_str(), value);
    failed = failed || value < 0;
  }
  std::printf("\n");
  return failed ? 1 : 0;
}

// The other child process: load_data alone as the process's first work, so that like the first
// open it pays for memory the process never used before (load_data_ms reuses the opens').
int run_fresh_load(const std::string& file) {
  const bench_locale locale;
  silent_load_observer observer;
  data_set data;
  QElapsedTimer timer;
  timer.start();
  if (!load_data(file, data, {app_locale(), observer}))
    return 1;
  std::printf("fresh_load_data_ms=%.1f\n", elapsed_ms(timer));
  return 0;
}

// Runs this program as a child process with the arguments; false, with the reason in `error`,
// when it failed.
bool run_child(const QStringList& arguments, figures& out, std::string& error) {
  QProcess child;
  child.setProcessChannelMode(QProcess::SeparateChannels);
  child.start(QApplication::applicationFilePath(), arguments);
  if (!child.waitForFinished(-1) || child.exitStatus() != QProcess::NormalExit ||
      child.exitCode() != 0) {
    error = "the child process failed: " + child.readAllStandardOutput().toStdString();
    return false;
  }
  for (const QString& pair : QString::fromUtf8(child.readAllStandardOutput())
                                 .split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
    const qsizetype equals = pair.indexOf(QLatin1Char('='));
    if (equals > 0)
      out[pair.left(equals).toStdString()] = pair.mid(equals + 1).toDouble();
  }
  return true;
}

// A keyword line: capital letters and underscores alone (data and header lines never are).
bool is_keyword_line(std::string_view line) {
  if (!line.empty() && line.back() == '\r')
    line.remove_suffix(1);
  return !line.empty() && std::all_of(line.begin(), line.end(),
                                      [](char c) { return (c >= 'A' && c <= 'Z') || c == '_'; });
}

// The generated file as it comes from the export, before anyone edited it: without its
// originals sections, which the reader then copies from the records, so every record and item
// equals its original. Made on first use beside the generated file.
const std::filesystem::path& as_exported_file(int staff_count) {
  static std::map<int, std::filesystem::path> files;
  auto found = files.find(staff_count);
  if (found != files.end())
    return found->second;
  const std::string bytes = read_bytes(generated_file(staff_count));
  const std::filesystem::path path =
      scratch_file("as_exported_" + std::to_string(staff_count) + ".staff");
  std::ofstream out(path, std::ios::binary);
  bool in_originals = false;
  for (std::size_t start = 0; start < bytes.size();) {
    const std::size_t end = std::min(bytes.find('\n', start), bytes.size() - 1);
    const std::string_view line(bytes.data() + start, end - start + 1);
    if (is_keyword_line(line.substr(0, line.size() - 1)))
      in_originals = line.find("ORIG_DATA") != std::string_view::npos;
    if (!in_originals)
      out << line;
    start = end + 1;
  }
  return files.emplace(staff_count, path).first->second;
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? 0.0 : values[values.size() / 2];
}

// Manual time is the first open of each process; the counters are the medians over the
// processes, with the first open against load_data as `first_per_load` and against a fresh
// process's load_data as `first_per_fresh_load`. The second argument
// chooses the file as exported, where no record differs from its original.
void first_open_in_fresh_process(benchmark::State& state) {
  const int staff_count = static_cast<int>(state.range(0));
  const bool as_exported = state.range(1) != 0;
  const std::string file =
      (as_exported ? as_exported_file(staff_count) : generated_file(staff_count)).string();
  std::map<std::string, std::vector<double>> runs;
  const QString path = QFile::decodeName(QByteArray::fromStdString(file));
  for (auto _ : state) {
    figures measured;
    std::string error;
    if (!run_child({one_open_flag, path, QString::number(staff_count)}, measured, error) ||
        !run_child({fresh_load_flag, path}, measured, error)) {
      state.SkipWithError(error.c_str());
      return;
    }
    for (const auto& [name, value] : measured)
      runs[name].push_back(value);
    state.SetIterationTime(measured["first_open_ms"] / 1e3);
  }
  for (const auto& [name, values] : runs)
    state.counters[name] = median(values);
  const double load = median(runs["load_data_ms"]);
  if (load > 0)
    state.counters["first_per_load"] = median(runs["first_open_ms"]) / load;
  const double fresh_load = median(runs["fresh_load_data_ms"]);
  if (fresh_load > 0)
    state.counters["first_per_fresh_load"] = median(runs["first_open_ms"]) / fresh_load;
}
BENCHMARK(first_open_in_fresh_process)
    ->ArgNames({"staff", "as_exported"})
    ->Args({10000, 0})
    ->Args({30000, 0})
    ->Args({10000, 1})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

}  // namespace

int main(int argc, char** argv) {
  use_desktop_sized_screen();
  if (argc == 4 && std::strcmp(argv[1], one_open_flag) == 0)
    return run_one_open(argc, argv, argv[2], std::atoi(argv[3]));
  if (argc == 3 && std::strcmp(argv[1], fresh_load_flag) == 0)
    return run_fresh_load(argv[2]);
  return run_window_benchmarks(argc, argv);
}
