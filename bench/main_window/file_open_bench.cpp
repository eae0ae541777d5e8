// File > Open of a generated file of 10,000 staff, from the menu command until the staff list
// is filled and the first record shown. Goal: under 1.5 s. The counters say how often the
// progress bar moved and was drawn while the file was read.
#include <benchmark/benchmark.h>
#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QProgressBar>
#include <filesystem>

#include "main_window/main_window.h"
#include "platform/owner_drawn_list_view.h"
#include "platform/scripted_dialog_service.h"
#include "record_form/editor_state.h"
#include "records/program_paths.h"
#include "staff_file_generator.h"
#include "window_bench_support.h"

namespace fs = std::filesystem;

namespace {

// Counts the paints of one widget.
class paint_counter : public QObject {
 public:
  int paints = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint)
      ++paints;
    return false;
  }
};

void open_generated_file(benchmark::State& state) {
  const int staff_count = static_cast<int>(state.range(0));
  const int items_per_staff = static_cast<int>(state.range(1));
  bench_locale locale;
  set_program_folder(STAFF_EDITOR_SOURCE_DIR);
  const fs::path file = fs::temp_directory_path() / "file_open_bench.staff";
  staff_file_options options;
  options.staff_count = staff_count;
  options.items_per_staff = items_per_staff;
  if (!write_generated_staff_file(file, options)) {
    state.SkipWithError("the generated file could not be written");
    return;
  }
  const QString path = QFile::decodeName(QByteArray::fromStdString(file.string()));
  scoped_scripted_dialogs dialogs;
  Tfrm_main window;
  window.show();
  QApplication::processEvents();

  int steps = 0;
  QObject::connect(window.ProgressBar1, &QProgressBar::valueChanged, [&steps] { ++steps; });
  paint_counter paints;
  window.ProgressBar1->installEventFilter(&paints);
  for (auto _ : state) {
    // The record of the last round is not committed: a generated record need not come back
    // from the pages unchanged, and the question about saving it would stop the open.
    editor().current_staff = nullptr;
    dialogs.queue_path(path);
    window.menu_open->trigger();
    if (window.list_box->count() != staff_count) {
      state.SkipWithError("the generated file was not listed");
      break;
    }
  }
  state.counters["progress_steps"] = benchmark::Counter(steps, benchmark::Counter::kAvgIterations);
  state.counters["progress_paints"] =
      benchmark::Counter(paints.paints, benchmark::Counter::kAvgIterations);
  fs::remove(file);
}
BENCHMARK(open_generated_file)
    ->Args({10000, 17})
    ->Args({10000, 40})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
  return run_window_benchmarks(argc, argv);
}
