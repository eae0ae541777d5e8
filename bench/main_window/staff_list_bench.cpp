// The staff list under load. Goals: a record switch (commit the record left, show the next with
// its item lists, weighted attributes, pitch and formation pictures) on records of 40 items each
// under 8 ms, and at 30,000 staff within 1.5 times the same switch at 20 staff, with any page on
// screen, the check list included; sorting 10,000 staff by an attribute and refilling the list
// with the attribute's texts under 100 ms. Adding a staff record to 10,000 costs what one
// record does, not what the list holds. On 30,000 staff of 40 items each: a sort button, or
// choosing the attribute, until the window is painted, within 60 ms for any attribute; Edit >
// Add staff, and Add on an item list of the record on screen, at most 5 ms each for the command
// itself, the repaint reported beside it.
#include <benchmark/benchmark.h>
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QPushButton>
#include <filesystem>
#include <memory>

#include "analysis_views/go_to_control.h"
#include "bench_files.h"
#include "change_tracking/item_store.h"
#include "change_tracking/label_tables.h"
#include "main_window/main_window.h"
#include "platform/app_locale.h"
#include "platform/item_objects.h"
#include "platform/owner_drawn_list_view.h"
#include "platform/page_control.h"
#include "platform/scripted_dialog_service.h"
#include "platform/win1252.h"
#include "record_form/editor_state.h"
#include "records/load_observer.h"
#include "records/lookup.h"
#include "records/program_paths.h"
#include "records/record_store.h"
#include "records/staff_reader.h"
#include "records/staff_sort_attributes.h"
#include "staff_file_generator.h"
#include "sub_records/item_list_places.h"
#include "window_bench_support.h"

namespace fs = std::filesystem;

namespace {

// A shown window with a generated file loaded and listed by name, under a fixed locale and clock:
// one written for it of `staff_count` records of about `items_per_staff` items each, or one of
// the shared generated files.
class loaded_window {
 public:
  loaded_window(int staff_count, int items_per_staff) {
    const fs::path file = fs::temp_directory_path() / "staff_list_bench.staff";
    staff_file_options options;
    options.staff_count = staff_count;
    options.items_per_staff = items_per_staff;
    loaded_ = write_generated_staff_file(file, options) && load(file);
    fs::remove(file);
  }

  explicit loaded_window(const fs::path& file) { loaded_ = load(file); }

  bool loaded() const { return loaded_ && window.list_box->count() > 1; }

 private:
  bool load(const fs::path& file) {
    set_program_folder(STAFF_EDITOR_SOURCE_DIR);
    window.show();
    if (!load_data(file.string(), {app_locale(), observer_}))
      return false;
    // As File > Open does: no record of an earlier data set stays current.
    editor() = editor_state{};
    window.fill_sorted_staff_list(window.list_box, store().staff_list, 1, false, false);
    window.list_box->set_item_index(0);
    window.list_boxClick();
    return true;
  }

  bench_locale locale_;
  silent_load_observer observer_;

 public:
  scoped_scripted_dialogs dialogs;
  Tfrm_main window;

 private:
  bool loaded_ = false;
};

// A shown window that opened the file through File > Open with its dialog scripted, as a user
// does: the list by name, the first record on screen, the record pages enabled.
class opened_window {
 public:
  explicit opened_window(const fs::path& file) {
    set_program_folder(STAFF_EDITOR_SOURCE_DIR);
    init_locale_settings(locale_data(), app_locale());
    // A window of another benchmark may have left its data set edited: nothing of it is current
    // or unsaved for this one.
    editor() = editor_state{};
    window.show();
    dialogs.queue_path(QString::fromStdString(file.string()));
    window.menu_open->trigger();
    let_window_settle();
    // The open dialog is the only one an open without a fault shows.
    opened_ = window.list_box->count() > 1 && dialogs.shown().size() == 1;
    dialogs.clear();
  }

  bool opened() const { return opened_; }

 private:
  bench_locale locale_;

 public:
  scoped_scripted_dialogs dialogs;
  Tfrm_main window;

 private:
  bool opened_ = false;
};

// The large window the sort and add benchmarks share, made once per staff count and closed
// before the application ends. Only one data set is loaded at a time, so making one closes the
// other, whose entries would point into the records the load freed.
std::unique_ptr<loaded_window> large_window;
int large_window_staff = 0;
std::unique_ptr<opened_window> opened_large_window;

// 10,000 staff of 4 items each; null, with the benchmark skipped, when they did not load.
loaded_window* ten_thousand_staff(benchmark::State& state) {
  if (large_window_staff != 10000) {
    opened_large_window.reset();
    large_window.reset();
    large_window = std::make_unique<loaded_window>(10000, 4);
    large_window_staff = 10000;
  }
  if (!large_window->loaded()) {
    state.SkipWithError("the generated file did not load");
    return nullptr;
  }
  return large_window.get();
}

// The shared generated file of 30,000 staff of 40 items each, opened through File > Open; null,
// with the benchmark skipped, when it did not open.
opened_window* thirty_thousand_staff(benchmark::State& state) {
  if (!opened_large_window) {
    large_window.reset();
    large_window_staff = 0;
    opened_large_window = std::make_unique<opened_window>(generated_file(30000));
  }
  if (!opened_large_window->opened()) {
    state.SkipWithError("the generated file did not open");
    return nullptr;
  }
  return opened_large_window.get();
}

// Raises every number a caption of the record or of its items shows and changes every text but
// the dates, so that each switch to it colours nearly every caption and each switch away makes
// them plain again.
void change_every_field_with_a_caption(std::byte* record, std::span<const label_row> rows) {
  for (const label_row& row : rows) {
    const field_descriptor& field = row.field;
    if (field.type == field_type::date_text)
      continue;
    if (field.holds_text() && field.type != field_type::number_and_text) {
      write_text(record, field.offset, field.size, "Z");
    } else if (field.type == field_type::decimal_and_text) {
      write_float(record, field.offset, read_float(record, field.offset) + 1.0f);
    } else {
      write_integer(record, field.offset, field.size,
                    read_integer(record, field.offset, field.size) + 1);
    }
  }
}

template <std::size_t... Kinds>
void change_every_item_of(std::int32_t staff_id, std::index_sequence<Kinds...>) {
  const auto change_kind = [staff_id]<item_kind Kind>() {
    for (auto& item : store().*item_store<Kind>::current) {
      if (item && item_owner_id(*item) == staff_id)
        change_every_field_with_a_caption(record_bytes(*item), item_label_rows(Kind));
    }
  };
  (change_kind.template operator()<static_cast<item_kind>(Kinds)>(), ...);
}

// Gives a generated record what the leave checks ask for (names, birth year, a nation listed, a
// position played, reputations and abilities in order), so that each switch runs every check
// and goes on without a question, as a researcher's usual switch does.
void pass_the_leave_checks(qor_staff& staff) {
  staff.StaffFirstName = "Ada";
  staff.StaffSecondName = "Quarrie";
  staff.StaffYearOfBirth = 1990;
  staff.StaffNation = "Ferktura";
  staff.StaffPlayerGoalkeeper = 18;
  staff.StaffPlayerWorldReputation = 50;
  staff.StaffPlayerCurrentReputation = 100;
  staff.StaffPlayerCurrentAbility = 90;
  staff.StaffPlayerPotentialAbility = 120;
}

// Gives a record four preferred formations, so that each switch reads all four pictures.
void choose_four_formations(qor_staff& staff) {
  staff.StaffNonPlayerFormationPreferred = 3;
  staff.StaffNonPlayerFormationSecondPreferred = 13;
  staff.StaffNonPlayerFormationAttacking = 25;
  staff.StaffNonPlayerFormationDefensive = 35;
}

// Switches between two records of a generated file of state.range(0) staff of 40 items each;
// with the check list on screen each switch refreshes it too, the dearest page to switch on.
void time_record_switches(benchmark::State& state, bool check_list_on_screen) {
  opened_large_window.reset();
  large_window.reset();
  large_window_staff = 0;
  loaded_window loaded(generated_file(static_cast<int>(state.range(0))));
  if (!loaded.loaded()) {
    state.SkipWithError("the generated file did not load");
    return;
  }
  // The records are prepared while a third one is on screen, since leaving a record commits the
  // form into it; the questions asked on the way there are not part of the runs.
  loaded.window.list_box->set_item_index(2);
  loaded.window.list_boxClick();
  // The switches alternate between an unchanged record and one changed everywhere.
  auto* unchanged = entry_object<qor_staff>(loaded.window.list_box, 0);
  auto* changed = entry_object<qor_staff>(loaded.window.list_box, 1);
  change_every_field_with_a_caption(record_bytes(*changed), staff_label_rows());
  change_every_item_of(changed->StaffID, std::make_index_sequence<item_kind_count>{});
  pass_the_leave_checks(*unchanged);
  pass_the_leave_checks(*changed);
  choose_four_formations(*unchanged);
  choose_four_formations(*changed);
  loaded.window.list_box->set_item_index(0);
  loaded.window.list_boxClick();
  if (check_list_on_screen)
    loaded.window.pc_staff->setCurrentWidget(loaded.window.controls().find("TabSheet1"));
  loaded.dialogs.clear();
  int next = 1;
  for (auto _ : state) {
    loaded.window.list_box->set_item_index(next);
    loaded.window.list_boxClick();
    next = 1 - next;
  }
  if (!loaded.dialogs.shown().empty())
    state.SkipWithError(loaded.dialogs.shown().front().text.toStdString().c_str());
}
void record_switch(benchmark::State& state) {
  time_record_switches(state, false);
}
BENCHMARK(record_switch)->Arg(20)->Arg(1000)->Arg(10000)->Arg(30000)->Unit(benchmark::kMillisecond);

void record_switch_on_check_list(benchmark::State& state) {
  time_record_switches(state, true);
}
BENCHMARK(record_switch_on_check_list)
    ->Arg(20)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(30000)
    ->Unit(benchmark::kMillisecond);

// Sorts and refills by the attribute given, each run in the direction opposite to the last.
void sort_and_refill_10000_staff(benchmark::State& state) {
  loaded_window* shared = ten_thousand_staff(state);
  if (shared == nullptr)
    return;
  loaded_window& loaded = *shared;
  const int attribute = static_cast<int>(state.range(0));
  bool descending = false;
  for (auto _ : state) {
    loaded.window.fill_sorted_staff_list(loaded.window.list_box, store().staff_list, attribute,
                                         descending, true);
    descending = !descending;
  }
}
// Display name, first name, date of birth, club name, job name, classification, current
// ability, position key.
BENCHMARK(sort_and_refill_10000_staff)
    ->Arg(1)
    ->Arg(0)
    ->Arg(3)
    ->Arg(11)
    ->Arg(12)
    ->Arg(28)
    ->Arg(70)
    ->Arg(137)
    ->Unit(benchmark::kMillisecond);

// The whole sort button: commit, sort, refill, select and show the first record.
void sort_button_10000_staff(benchmark::State& state) {
  loaded_window* shared = ten_thousand_staff(state);
  if (shared == nullptr)
    return;
  loaded_window& loaded = *shared;
  loaded.window.sort_by_attribute->setCurrentIndex(3);
  bool descending = false;
  for (auto _ : state) {
    if (descending)
      loaded.window.sort_desc_btnClick();
    else
      loaded.window.sort_asc_btnClick();
    descending = !descending;
  }
}
BENCHMARK(sort_button_10000_staff)->Unit(benchmark::kMillisecond);

// Edit > Add staff with 10,000 staff listed, until the list is laid out again: the new entry's
// text is measured, not every entry's.
void add_staff_to_10000_staff(benchmark::State& state) {
  loaded_window* shared = ten_thousand_staff(state);
  if (shared == nullptr)
    return;
  loaded_window& loaded = *shared;
  loaded.window.set_edit_menu_enabled(true);
  QApplication::processEvents();
  const int before = loaded.window.list_box->count();
  for (auto _ : state) {
    loaded.window.menu_new->trigger();
    QApplication::processEvents();
  }
  if (loaded.window.list_box->count() != before + static_cast<int>(state.iterations()))
    state.SkipWithError("a record was not added");
}
BENCHMARK(add_staff_to_10000_staff)->Unit(benchmark::kMillisecond)->Iterations(20);

// The row of the sort combo that chooses the attribute; -1 when none does.
int row_of_attribute(const QComboBox* combo, int attribute) {
  for (int row = 0; row < combo->count(); ++row) {
    if (lookup_code(to_win1252(combo->itemText(row))) == attribute)
      return row;
  }
  return -1;
}

// Chooses the attribute in the sort combo as the user does, the list refilled with its texts.
void choose_sort_attribute(Tfrm_main& window, int attribute) {
  window.sort_by_attribute->setCurrentIndex(row_of_attribute(window.sort_by_attribute, attribute));
  window.sort_by_attributeChange();
}

// The sort buttons on 30,000 staff of 40 items each, ascending and descending by turns, until
// the window is painted: commit, sort, refill, select and show the first record.
void sort_button_30000_staff(benchmark::State& state) {
  opened_window* shared = thirty_thousand_staff(state);
  if (shared == nullptr)
    return;
  opened_window& loaded = *shared;
  choose_sort_attribute(loaded.window, static_cast<int>(state.range(0)));
  let_window_settle();
  bool descending = false;
  for (auto _ : state) {
    if (descending)
      loaded.window.sort_desc_btnClick();
    else
      loaded.window.sort_asc_btnClick();
    let_window_settle();
    descending = !descending;
  }
}
// Display name, first name, date of birth, club name, job name, classification, player current
// ability, position key.
BENCHMARK(sort_button_30000_staff)
    ->Arg(1)
    ->Arg(0)
    ->Arg(3)
    ->Arg(11)
    ->Arg(12)
    ->Arg(28)
    ->Arg(70)
    ->Arg(137)
    ->Unit(benchmark::kMillisecond);

// Every row of the combo, a few runs each, to find the slowest attribute.
void sort_button_30000_staff_every_attribute(benchmark::State& state) {
  sort_button_30000_staff(state);
}
BENCHMARK(sort_button_30000_staff_every_attribute)
    ->DenseRange(0, staff_sort_attribute_row_count - 1)
    ->Iterations(4)
    ->Unit(benchmark::kMillisecond);

// Choosing the attribute in the combo on 30,000 staff, until the window is painted: the list
// refilled in its present order with the attribute's texts. Between runs, untimed, the list
// goes back to another attribute's texts.
void choose_sort_attribute_30000_staff(benchmark::State& state) {
  opened_window* shared = thirty_thousand_staff(state);
  if (shared == nullptr)
    return;
  opened_window& loaded = *shared;
  const int attribute = static_cast<int>(state.range(0));
  const int other = attribute == 0 ? 1 : 0;
  for (auto _ : state) {
    state.PauseTiming();
    choose_sort_attribute(loaded.window, other);
    let_window_settle();
    state.ResumeTiming();
    choose_sort_attribute(loaded.window, attribute);
    let_window_settle();
  }
}
BENCHMARK(choose_sort_attribute_30000_staff)
    ->Arg(1)
    ->Arg(3)
    ->Arg(70)
    ->Unit(benchmark::kMillisecond);

// Times `command` alone as each run's time, and the repaint of the window that follows it as
// the counter repaint_ms (the mean over the runs).
template <class Command>
void time_command_and_repaint(benchmark::State& state, Command command) {
  double repaint_total = 0;
  for (auto _ : state) {
    QElapsedTimer timer;
    timer.start();
    command();
    state.SetIterationTime(elapsed_ms(timer) / 1e3);
    timer.restart();
    let_window_settle();
    repaint_total += elapsed_ms(timer);
  }
  if (state.iterations() > 0)
    state.counters["repaint_ms"] = repaint_total / static_cast<double>(state.iterations());
}

// Edit > Add staff on 30,000 staff of 40 items each: the command, with the repaint of the
// window beside it.
void add_staff_to_30000_staff(benchmark::State& state) {
  opened_window* shared = thirty_thousand_staff(state);
  if (shared == nullptr)
    return;
  opened_window& loaded = *shared;
  let_window_settle();
  loaded.dialogs.clear();
  const int before = loaded.window.list_box->count();
  time_command_and_repaint(state, [&] { loaded.window.menu_new->trigger(); });
  if (!loaded.dialogs.shown().empty())
    state.SkipWithError(loaded.dialogs.shown().front().text.toStdString().c_str());
  else if (loaded.window.list_box->count() != before + static_cast<int>(state.iterations()))
    state.SkipWithError("a record was not added");
}
BENCHMARK(add_staff_to_30000_staff)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

// Add on the injuries list of the record on screen, with 30,000 staff of 40 items each loaded:
// the command, with the repaint of the window beside it.
void add_injury_to_30000_staff(benchmark::State& state) {
  opened_window* shared = thirty_thousand_staff(state);
  if (shared == nullptr)
    return;
  opened_window& loaded = *shared;
  auto* add_button =
      loaded.window.controls().get<QAbstractButton>(place_of(item_kind::injury).add_button);
  // On the injuries' page, as the user is who presses the button.
  go_to_control(add_button);
  let_window_settle();
  loaded.dialogs.clear();
  const std::size_t before = store().staff_injury_list.size();
  time_command_and_repaint(state, [&] { add_button->click(); });
  if (!loaded.dialogs.shown().empty())
    state.SkipWithError(loaded.dialogs.shown().front().text.toStdString().c_str());
  else if (store().staff_injury_list.size() != before + state.iterations())
    state.SkipWithError("an injury was not added");
}
BENCHMARK(add_injury_to_30000_staff)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);

}  // namespace

int main(int argc, char** argv) {
  return run_window_benchmarks(argc, argv, [] {
    large_window.reset();
    opened_large_window.reset();
  });
}
