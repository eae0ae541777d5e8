#include "window_bench_support.h"

#include <benchmark/benchmark.h>
#include <QApplication>
#include <QLocale>
#include <memory>

#include "platform/qt_system_locale.h"

bench_locale::bench_locale()
    : scoped_app_locale(
          std::make_shared<qt_system_locale>(QLocale(QLocale::English, QLocale::UnitedKingdom)),
          std::make_shared<fixed_clock>(date_time{2013, 5, 17, 9, 30, 15})) {}

int run_window_benchmarks(int argc, char** argv, const std::function<void()>& before_quit) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  if (before_quit)
    before_quit();
  return 0;
}
