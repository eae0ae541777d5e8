// Start-up of the main window up to its first show, with a club list of 40,000 entries feeding
// fourteen combos, beside a bare QMainWindow's start-up. Goal: at most 0.3 s more.
#include <benchmark/benchmark.h>
#include <QApplication>
#include <QMainWindow>
#include <filesystem>
#include <fstream>
#include <string>

#include "main_window/main_window.h"
#include "platform/scripted_dialog_service.h"
#include "records/program_paths.h"
#include "window_bench_support.h"

namespace fs = std::filesystem;

namespace {

// The shipped program folder with a club list of `clubs` invented entries.
fs::path make_program_folder(int clubs) {
  const fs::path folder = fs::temp_directory_path() / "main_window_bench";
  fs::remove_all(folder);
  fs::create_directories(folder);
  fs::copy(fs::path(STAFF_EDITOR_SOURCE_DIR) / "data", folder / "data",
           fs::copy_options::recursive);
  fs::copy(fs::path(STAFF_EDITOR_SOURCE_DIR) / "img", folder / "img", fs::copy_options::recursive);
  std::ofstream out(folder / "data" / "club_list.txt", std::ios::binary);
  out << "None;0;0;0;0;0\r\n";
  for (int i = 1; i <= clubs; ++i)
    out << "Bench Club " << i << " Athletic;1;4;12;22;" << 1000 + i << "\r\n";
  return folder;
}

void bare_main_window_start_up(benchmark::State& state) {
  for (auto _ : state) {
    QMainWindow window;
    window.resize(1320, 860);
    window.show();
    QApplication::processEvents();
  }
}
BENCHMARK(bare_main_window_start_up)->Unit(benchmark::kMillisecond);

// Construction, first show (lookup loading included) and the first paint.
void run_editor_start_up(benchmark::State& state, int clubs) {
  const fs::path folder = make_program_folder(clubs);
  set_program_folder(folder);
  scoped_scripted_dialogs dialogs;
  for (auto _ : state) {
    Tfrm_main window;
    window.show();
    QApplication::processEvents();
    if (!dialogs.shown().empty())
      state.SkipWithError("a dialog was shown at start-up");
  }
  fs::remove_all(folder);
}

void editor_start_up_with_400_clubs(benchmark::State& state) {
  run_editor_start_up(state, 400);
}
BENCHMARK(editor_start_up_with_400_clubs)->Unit(benchmark::kMillisecond);

void editor_start_up_with_40000_clubs(benchmark::State& state) {
  run_editor_start_up(state, 40000);
}
BENCHMARK(editor_start_up_with_40000_clubs)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  return run_window_benchmarks(argc, argv);
}
