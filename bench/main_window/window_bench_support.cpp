#include "window_bench_support.h"

#include <benchmark/benchmark.h>
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QLocale>
#include <memory>

#include "platform/qt_system_locale.h"

namespace {

// Counts the widgets painted while it is installed on the application.
class paint_counter : public QObject {
 public:
  paint_counter() { qApp->installEventFilter(this); }
  ~paint_counter() override { qApp->removeEventFilter(this); }
  paint_counter(const paint_counter&) = delete;
  paint_counter& operator=(const paint_counter&) = delete;

  int paints() const { return paints_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint)
      ++paints_;
    return QObject::eventFilter(watched, event);
  }

 private:
  int paints_ = 0;
};

}  // namespace

bench_locale::bench_locale()
    : scoped_app_locale(
          std::make_shared<qt_system_locale>(QLocale(QLocale::English, QLocale::UnitedKingdom)),
          std::make_shared<fixed_clock>(date_time{2013, 5, 17, 9, 30, 15})) {}

void use_desktop_sized_screen() {
  const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
  if (platform.isEmpty() || platform == "offscreen")
    qputenv("QT_QPA_PLATFORM",
            "offscreen:configfile=" STAFF_EDITOR_SOURCE_DIR "/tests/main_window/large_screen.json");
}

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

void let_window_settle() {
  const paint_counter counter;
  int quiet_rounds = 0;
  for (int round = 0; round < 100 && quiet_rounds < 3; ++round) {
    const int before = counter.paints();
    QApplication::processEvents();
    quiet_rounds = counter.paints() == before ? quiet_rounds + 1 : 0;
  }
}

double elapsed_ms(const QElapsedTimer& timer) {
  return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}
