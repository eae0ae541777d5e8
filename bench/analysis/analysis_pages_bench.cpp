// The analysis pages in the window, on the generated file of 30,000 staff of 40 items each
// opened through File > Open, each time until the window has painted. Goal: every page within
// 250 ms, for its first and for a repeated refresh: opening the Analysis page from the Staff
// page, each list of the general counts (the recommended-against-current ability list also as
// the first list after the file was opened), the ability distribution, the averages of every
// player and the reputation guide of the record on screen.
#include <benchmark/benchmark.h>
#include <QAbstractButton>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QTabBar>
#include <QtTest/QTest>
#include <functional>
#include <memory>

#include "../main_window/window_bench_support.h"
#include "analysis/reputation_guide.h"
#include "analysis_views/error_check_popup.h"
#include "bench_files.h"
#include "main_window/find_club_buttons.h"
#include "main_window/find_club_name_form.h"
#include "main_window/item_club_picks.h"
#include "main_window/main_window.h"
#include "platform/app_locale.h"
#include "platform/owner_drawn_list_view.h"
#include "platform/page_control.h"
#include "platform/scripted_dialog_service.h"
#include "record_form/dependent_controls.h"
#include "record_form/editor_state.h"
#include "records/program_paths.h"
#include "records/record_store.h"

namespace {

constexpr int staff_count = 30000;

// The action and the settling after it, in milliseconds.
double timed(const std::function<void()>& action) {
  QElapsedTimer timer;
  timer.start();
  action();
  let_window_settle();
  return elapsed_ms(timer);
}

void click_tab(page_control* pages, QWidget* page) {
  QTabBar* bar = pages->tabBar();
  QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(pages->indexOf(page)).center());
}

// The editor's window as the program entry builds it, with the generated file opened through
// File > Open (which shows the general counts).
class opened_window {
 public:
  opened_window() {
    set_program_folder(STAFF_EDITOR_SOURCE_DIR);
    init_locale_settings(locale_data(), app_locale());
    frm_popup = new Tfrm_popup(&window);
    frm_find_club_name = new Tfrm_find_club_name(&window);
    bind_find_club_buttons(window.controls(), item_club_pick_follow_ups(window.controls()));
    window.show();
    let_window_settle();
    open();
  }
  ~opened_window() {
    frm_popup = nullptr;
    frm_find_club_name = nullptr;
  }
  opened_window(const opened_window&) = delete;
  opened_window& operator=(const opened_window&) = delete;

  // File > Open again: every record is read afresh. The generated classifications and clubs are
  // random, so three records in four are then made players (the lists' costly case) and the rest
  // non-players, a third contracted to the file's club and some others on loan to it, the club
  // given squad ranges, and the counts taken again as leaving the "Staff" page does.
  void open() {
    // A generated record need not come back from the pages unchanged; the question about saving
    // it would stop the open.
    editor().current_staff = nullptr;
    dialogs.queue_path(QFile::decodeName(generated_file(staff_count).string().c_str()));
    window.menu_open->trigger();
    let_window_settle();
    file_settings& file = file_data();
    file.club_star_players_from = 150;
    file.club_star_players_to = 200;
    file.club_first_team_players_from = 100;
    file.club_first_team_players_to = 149;
    int index = 0;
    for (const auto& staff : store().staff_list) {
      staff->StaffClassification = static_cast<std::int8_t>(index % 4 == 0 ? 1 : 2);
      if (index % 3 == 0)
        staff->StaffClubContracted = file.file_club_id;
      else if (index % 7 == 0)
        staff->StaffClubOnLoanTo = file.file_club_id;
      ++index;
    }
    click_tab(window.main_page_control, window.staff_tab);
    click_tab(window.main_page_control, window.analysis_tab);
    let_window_settle();
    dialogs.clear();
  }

  bool opened() const { return window.list_box->count() == staff_count; }

  template <typename T>
  T* find(const char* name) {
    return window.findChild<T*>(name);
  }
  void click(const char* button) { find<QAbstractButton>(button)->click(); }

  QListWidget* counts_list() { return find<QListWidget>("analysis_list_box"); }
  page_control* counts_pages() { return find<page_control>("counts_page"); }

  // The "General" page of the counts in front, its list empty.
  void show_general_counts() {
    if (window.main_page_control->currentWidget() != window.analysis_tab)
      click_tab(window.main_page_control, window.analysis_tab);
    if (window.analysis_control->currentWidget() != window.counts_tab_sheet)
      click_tab(window.analysis_control, window.counts_tab_sheet);
    QWidget* general = find<QWidget>("general_counts_tab_sheet");
    if (counts_pages()->currentWidget() != general)
      click_tab(counts_pages(), general);
    counts_list()->clear();
    let_window_settle();
  }

 private:
  bench_locale locale_;

 public:
  scoped_scripted_dialogs dialogs;
  Tfrm_main window;
};

std::unique_ptr<opened_window> shared_window;

opened_window* opened_file(benchmark::State& state) {
  if (!shared_window)
    shared_window = std::make_unique<opened_window>();
  if (!shared_window->opened()) {
    state.SkipWithError("the generated file did not open");
    return nullptr;
  }
  return shared_window.get();
}

// Manual time of each run, with the largest run as a counter.
void set_time(benchmark::State& state, double ms, double& slowest) {
  state.SetIterationTime(ms / 1e3);
  slowest = std::max(slowest, ms);
  state.counters["slowest_ms"] = slowest;
}

void open_analysis_from_staff(benchmark::State& state) {
  opened_window* opened = opened_file(state);
  if (opened == nullptr)
    return;
  Tfrm_main& window = opened->window;
  double slowest = 0;
  for (auto _ : state) {
    click_tab(window.main_page_control, window.staff_tab);
    let_window_settle();
    set_time(state, timed([&] { click_tab(window.main_page_control, window.analysis_tab); }),
             slowest);
  }
  if (window.main_page_control->currentWidget() != window.analysis_tab)
    state.SkipWithError("the Analysis page was not shown");
}
BENCHMARK(open_analysis_from_staff)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

// The view buttons of the general counts, the recommended-against-current ability list last.
constexpr const char* view_buttons[] = {
    "view_players_bt",
    "view_contracted_player_bt",
    "view_non_contracted_player_bt",
    "view_non_player_bt",
    "view_contracted_non_player_bt",
    "view_non_contracted_non_player_bt",
    "view_player_non_player_bt",
    "view_contracted_player_non_player_bt",
    "view_non_contracted_player_non_player_bt",
    "view_missing_position_bt",
    "view_missing_CA_bt",
    "view_missing_PA_bt",
    "view_missing_CR_bt",
    "view_missing_HR_bt",
    "view_missing_WR_bt",
    "view_missing_pref_foot_bt",
    "view_CA_inc_bt",
    "view_CA_dec_bt",
    "view_players_missing_appearance_details_bt",
    "view_staff_bt",
    "view_contracted_staff_bt",
    "view_non_contracted_staff_bt",
    "view_missing_job_for_club_bt",
    "view_missing_birth_details_bt",
    "view_loan_players_bt",
    "view_above_pl_bt",
    "view_star_pl_bt",
    "view_first_team_pl_bt",
    "view_other_pl_bt",
    "BitBtn2",
    "BitBtn1",
};

// One view button: its first view into the empty list, then (second argument 1) a repeated
// press while the list shows it. The label names the button and the entries listed.
void view_counts_list(benchmark::State& state) {
  opened_window* opened = opened_file(state);
  if (opened == nullptr)
    return;
  const char* button = view_buttons[state.range(0)];
  const bool repeated = state.range(1) != 0;
  opened->show_general_counts();
  double slowest = 0;
  for (auto _ : state) {
    if (repeated) {
      opened->click(button);
      let_window_settle();
    } else {
      opened->counts_list()->clear();
      let_window_settle();
    }
    set_time(state, timed([&] { opened->click(button); }), slowest);
  }
  state.SetLabel(std::string(button) + " " + std::to_string(opened->counts_list()->count()));
}
BENCHMARK(view_counts_list)
    ->ArgNames({"button", "repeated"})
    ->ArgsProduct({benchmark::CreateDenseRange(0, std::size(view_buttons) - 1, 1), {0, 1}})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

// The recommended-against-current ability list as the first list after File > Open, before any
// player's ability was worked out.
void rca_list_after_open(benchmark::State& state) {
  opened_window* opened = opened_file(state);
  if (opened == nullptr)
    return;
  double slowest = 0;
  for (auto _ : state) {
    opened->open();
    opened->show_general_counts();
    set_time(state, timed([&] { opened->click("BitBtn1"); }), slowest);
  }
  state.SetLabel(std::to_string(opened->counts_list()->count()));
}
BENCHMARK(rca_list_after_open)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

// The "Ranges" page shown from "General" (its first refresh), then (argument 1) redrawn for the
// other mode as its radio button does.
void ability_distribution(benchmark::State& state) {
  opened_window* opened = opened_file(state);
  if (opened == nullptr)
    return;
  const bool repeated = state.range(0) != 0;
  opened->show_general_counts();
  QWidget* ranges = opened->find<QWidget>("ranges_tab_sheet");
  QWidget* general = opened->find<QWidget>("general_counts_tab_sheet");
  bool potential = false;
  double slowest = 0;
  for (auto _ : state) {
    if (repeated) {
      if (opened->counts_pages()->currentWidget() != ranges)
        click_tab(opened->counts_pages(), ranges);
      let_window_settle();
      potential = !potential;
      set_time(state, timed([&] {
                 opened->click(potential ? "ranges_PA_display_rb" : "ranges_CA_display_rb");
               }),
               slowest);
    } else {
      click_tab(opened->counts_pages(), general);
      let_window_settle();
      set_time(state, timed([&] { click_tab(opened->counts_pages(), ranges); }), slowest);
    }
  }
}
BENCHMARK(ability_distribution)
    ->ArgName("repeated")
    ->Arg(0)
    ->Arg(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

// The averages of every player by current ability: "Select All" on a fresh page, then
// (argument 1) the next attribute chosen while every player is listed.
void attribute_averages(benchmark::State& state) {
  opened_window* opened = opened_file(state);
  if (opened == nullptr)
    return;
  Tfrm_main& window = opened->window;
  const bool repeated = state.range(0) != 0;
  if (window.main_page_control->currentWidget() != window.analysis_tab)
    click_tab(window.main_page_control, window.analysis_tab);
  click_tab(window.analysis_control, window.averages_tab_sheet);
  auto* attribute = opened->find<QComboBox>("avg_attribute_var");
  auto* list = opened->find<QListWidget>("avgs_staff_evaluated_list_box");
  let_window_settle();
  int choice = 0;
  double slowest = 0;
  for (auto _ : state) {
    choice = choice % 9 + 1;
    if (repeated) {
      set_time(state, timed([&] {
                 attribute->setCurrentIndex(choice);
                 emit attribute->activated(choice);  // as the user's choice is reported
               }),
               slowest);
    } else {
      list->clear();
      attribute->setCurrentIndex(choice);
      opened->find<QLineEdit>("avgs_amount_of_staff")->clear();
      let_window_settle();
      set_time(state, timed([&] { opened->click("select_all_staff_btn"); }), slowest);
    }
  }
  state.SetLabel(std::to_string(list->count()));
}
BENCHMARK(attribute_averages)
    ->ArgName("repeated")
    ->Arg(0)
    ->Arg(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

// The reputation guide of the record on screen, as showing the record and leaving its current
// reputation refresh it; the record's club is given a line of the division list, so that its
// rank among all staff is worked out.
void reputation_guide(benchmark::State& state) {
  opened_window* opened = opened_file(state);
  if (opened == nullptr)
    return;
  Tfrm_main& window = opened->window;
  if (editor().current_staff == nullptr || club_bands().empty()) {
    state.SkipWithError("no record on screen or no division list");
    return;
  }
  editor().current_staff->StaffClubContracted = club_bands().front().club_id;
  click_tab(window.main_page_control, window.staff_tab);
  window.pc_staff->setCurrentWidget(window.controls().find("tabsheet_staff_pl1"));
  let_window_settle();
  double slowest = 0;
  for (auto _ : state) {
    set_time(state, timed([&] { form_views().reputation_range_guide(editor().current_staff); }),
             slowest);
  }
}
BENCHMARK(reputation_guide)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

int main(int argc, char** argv) {
  use_desktop_sized_screen();
  return run_window_benchmarks(argc, argv, [] { shared_window.reset(); });
}
