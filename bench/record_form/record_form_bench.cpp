// Committing a whole staff record from the fifteen record pages (goal: under 2 ms), with
// nothing changed and with one change, and filling the pages from a record with a club list
// of 40,000 entries. Reports only.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QTabWidget>
#include <memory>
#include <string>

#include "platform/app_locale.h"
#include "platform/qt_system_locale.h"
#include "platform/scripted_dialog_service.h"
#include "real_pages_fixture.h"
#include "record_form/record_pages.h"
#include "record_form/staff_commit.h"

namespace {

struct bench_form {
  bench_form() {
    build_record_pages(&pc_staff, controls);
    real_pages_fixture::fill_choice_lists(record_page_specs(), controls);
    staff = real_pages_fixture::fixture_staff(record_page_specs());
    fill_staff_fields(staff, controls);
  }
  QTabWidget pc_staff;
  form_controls controls;
  qor_staff staff;
};

void commit_unchanged_record(benchmark::State& state) {
  bench_form form;
  for (auto _ : state)
    benchmark::DoNotOptimize(apply_staff(&form.staff, form.controls));
}

void commit_record_with_one_change(benchmark::State& state) {
  bench_form form;
  auto* pace = form.controls.get<QLineEdit>("staff_pl_pace");
  int value = 1;
  for (auto _ : state) {
    pace->setText(QString::number(value));
    value = value % 20 + 1;
    benchmark::DoNotOptimize(apply_staff(&form.staff, form.controls));
  }
}

void fill_record_with_large_club_list(benchmark::State& state) {
  bench_form form;
  std::vector<std::string>& clubs = lookups().club_list;
  clubs.assign(1, "None; 0; 0; 0; 0; 0");
  for (int i = 1; i <= 40000; ++i) {
    clubs.push_back("Bench Club " + std::to_string(i) + "; 1; 4; 12; 22; " + std::to_string(i));
  }
  QStringList items;
  for (const std::string& club : clubs)
    items << QString::fromStdString(club);
  form.controls.choice_model("club_list")->setStringList(items);
  // Clubs near the end of the list, so every club combo searches it almost whole.
  for (const page_spec& page : record_page_specs()) {
    for (const control_spec& row : page.controls) {
      if (row.binding.kind == binding_kind::club_combo &&
          row.binding.field.belongs_to<qor_staff>()) {
        write_integer(slot_of(row.binding.field, form.staff), 39999);
      }
    }
  }
  for (auto _ : state)
    fill_staff_fields(form.staff, form.controls);
}

BENCHMARK(commit_unchanged_record)->Unit(benchmark::kMicrosecond);
BENCHMARK(commit_record_with_one_change)->Unit(benchmark::kMicrosecond);
BENCHMARK(fill_record_with_large_club_list)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  scoped_app_locale locale(std::make_shared<qt_system_locale>(QLocale(QLocale::English)),
                           std::make_shared<fixed_clock>(date_time{2025, 7, 3, 14, 5, 9}));
  scoped_scripted_dialogs dialogs;
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
