// Adding and deleting one item in a kind whose staff member holds 200 items (goal: at most 2 ms
// each), in a grid kind, the history grid with its hidden list and a list box kind, with the
// list refilled, its entries drawn in their colours and the panel's labels coloured. Reports
// only.
#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QApplication>
#include <QTabWidget>
#include <cstring>
#include <memory>

#include "platform/app_locale.h"
#include "platform/qt_system_locale.h"
#include "platform/scripted_dialog_service.h"
#include "real_pages_fixture.h"
#include "record_form/editor_state.h"
#include "record_form/item_selection.h"
#include "record_form/record_pages.h"
#include "sub_records/display_staff.h"
#include "sub_records/item_entry_colours.h"
#include "sub_records/item_list_edits.h"
#include "sub_records/item_list_kinds.h"
#include "sub_records/item_list_places.h"
#include "sub_records/item_list_selection.h"

namespace {

constexpr std::int32_t staff_id = 4711;
constexpr int held_items = 200;

template <item_kind Kind>
void give_items(int count) {
  for (std::int32_t id = 1; id <= count; ++id) {
    auto item = std::make_unique<item_record<Kind>>();
    std::memcpy(static_cast<void*>(item.get()), &id, sizeof id);
    std::memcpy(reinterpret_cast<char*>(item.get()) + sizeof id, &staff_id, sizeof staff_id);
    (store().*item_store<Kind>::originals).push_back(std::make_unique<item_record<Kind>>(*item));
    items_of<Kind>().push_back(std::move(item));
  }
}

struct bench_form {
  bench_form() {
    store() = record_store{};
    clear_item_selections();
    build_record_pages(&pc_staff, controls);
    real_pages_fixture::fill_choice_lists(record_page_specs(), controls);
    install_item_list_selection(controls);
    install_item_list_editing(controls);
    install_item_entry_colours(controls);
    give_items<item_kind::job>(held_items);
    give_items<item_kind::language>(held_items);
    give_items<item_kind::history>(held_items);
    staff.StaffID = staff_id;
    editor().current_staff = &staff;
    display_staff_item_lists(staff, controls);
    pc_staff.resize(1300, 800);
    pc_staff.show();
  }
  ~bench_form() {
    editor().current_staff = nullptr;
    clear_item_selections();
    store() = record_store{};
  }

  void press(const char* button) { controls.get<QAbstractButton>(button)->click(); }
  // Rendered whether or not its page is in front, every entry or cell it shows drawn.
  void paint(item_kind kind) { controls.find(place_of(kind).list)->grab(); }

  void add(item_kind kind) {
    press(place_of(kind).add_button);
    paint(kind);
  }
  void remove(item_kind kind) {
    dialogs.queue_answer(dialog_answer::ok);  // grids ask first; list boxes leave it unused
    press(place_of(kind).delete_button);
    dialogs.clear();
    paint(kind);
  }

  scoped_scripted_dialogs dialogs;
  QTabWidget pc_staff;
  form_controls controls;
  qor_staff staff;
};

void add_item_among_200(benchmark::State& state, item_kind kind) {
  bench_form form;
  for (auto _ : state) {
    form.add(kind);
    state.PauseTiming();
    form.remove(kind);
    state.ResumeTiming();
  }
}

void delete_item_among_200(benchmark::State& state, item_kind kind) {
  bench_form form;
  for (auto _ : state) {
    state.PauseTiming();
    form.add(kind);
    state.ResumeTiming();
    form.remove(kind);
  }
}

BENCHMARK_CAPTURE(add_item_among_200, job_grid, item_kind::job)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(delete_item_among_200, job_grid, item_kind::job)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(add_item_among_200, history_grid_and_lines, item_kind::history)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(delete_item_among_200, history_grid_and_lines, item_kind::history)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(add_item_among_200, language_list, item_kind::language)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(delete_item_among_200, language_list, item_kind::language)
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  scoped_app_locale locale(std::make_shared<qt_system_locale>(QLocale(QLocale::English)),
                           std::make_shared<fixed_clock>(date_time{2025, 7, 3, 14, 5, 9}));
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
