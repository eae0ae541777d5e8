#include "record_form/classification_rules.h"

#include <QComboBox>
#include <algorithm>
#include <vector>

#include "platform/dialog_service.h"
#include "platform/win1252.h"
#include "record_form/control_binding.h"
#include "record_form/dependent_controls.h"
#include "record_form/editor_state.h"
#include "record_form/form_controls.h"
#include "record_form/staff_page_visibility.h"
#include "records/lookup.h"
#include "records/record_store.h"

namespace {

constexpr int player_job = 11;

// The jobs that both players and non-players hold (player-coaches and the like).
constexpr int player_and_non_player_jobs[] = {12, 13, 14, 15, 19, 20, 21, 23, 25, 27, 29,
                                              31, 33, 35, 37, 39, 42, 44, 56, 58, 63, 156};
constexpr int player_and_non_player_range_first = 128;
constexpr int player_and_non_player_range_last = 152;

constexpr int manager_jobs[] = {5, 12, 22, 40};

// The seven pages a classification governs.
constexpr const char* coach_page = "tabsheet_staff_np1";
constexpr const char* positions_page = "tabsheet_staff_pl1";
constexpr const char* player_page = "tabsheet_staff_pl2";
constexpr const char* preferred_actions_page = "tabsheet_staff_pl_ppms";
constexpr const char* history_page = "tabsheet_staff_pl_histories";
constexpr const char* non_player_history_page = "tabsheet_staff_np_histories";
constexpr const char* tendencies_page = "tabsheet_staff_npt";

const std::vector<const char*> all_classified_pages = {
    coach_page,   positions_page,          player_page,    preferred_actions_page,
    history_page, non_player_history_page, tendencies_page};

// A page not named in either list keeps its visibility.
struct page_set {
  std::vector<const char*> shown;
  std::vector<const char*> hidden;
};

// The pages the classification rule shows and hides for a chosen classification.
page_set pages_chosen_for(int classification) {
  switch (classification) {
    case 3:
      return {all_classified_pages, {}};
    case 1:
      return {{coach_page, non_player_history_page, tendencies_page},
              {positions_page, player_page, preferred_actions_page}};
    case 2:
      return {{positions_page, player_page, preferred_actions_page, history_page},
              {coach_page, non_player_history_page, tendencies_page}};
    default:
      return {{}, {coach_page, positions_page, player_page}};
  }
}

void apply_page_set(form_controls& controls, const page_set& pages) {
  for (const char* name : pages.shown)
    set_page_visible(controls, name, true);
  for (const char* name : pages.hidden)
    set_page_visible(controls, name, false);
}

int selected_code(const QComboBox* combo) {
  return lookup_code(to_win1252(combo->currentText()));
}

void set_enabled(form_controls& controls, const char* name, bool enabled) {
  if (QWidget* control = controls.find(name))
    control->setEnabled(enabled);
}

// Step two of the rule: a non-player may have a nation contract; anyone else has the club
// contract open to him.
void open_contracts_for(form_controls& controls, int classification) {
  if (classification == 1 || classification == 3) {
    set_enabled(controls, "radiobutton_staff_nation_contract", true);
    return;
  }
  set_enabled(controls, "radiobutton_staff_nation_contract", false);
  set_enabled(controls, "radiobutton_staff_club_contract", true);
  enable_child_controls(controls.find("panel_staff_club_contract"));
}

void fit_job_to(form_controls& controls, int classification) {
  auto* job = controls.get<QComboBox>("staff_club_job_for");
  if (job == nullptr)
    return;
  const int code = selected_code(job);
  if (classification == 3 && job->currentIndex() == 0)
    fill_control_by_code(job, player_job, text_value_tag);
  else if (classification == 1 && code == player_job)
    fill_control_by_code(job, 0, text_value_tag);
  else if (classification == 2 && code != player_job)
    fill_control_by_code(job, 0, text_value_tag);
}

void set_classification_combos(form_controls& controls, int classification) {
  for (const char* name : {"staff_classification", "staff_classification2"}) {
    if (auto* combo = controls.get<QComboBox>(name))
      set_combo_index_direct(combo, classification);
  }
}

// The rule for the classification now chosen in staff_classification. The contract page's copy
// is brought into step, so the two combos never disagree.
void apply_classification_rule(form_controls& controls) {
  auto* combo = controls.get<QComboBox>("staff_classification");
  if (combo == nullptr)
    return;
  const int classification = combo->currentIndex();
  if (classification == 0) {
    show_error("Cannot set a 'not set' classification.");
    const qor_staff* staff = editor().current_staff;
    set_classification_combos(controls, staff != nullptr ? staff->StaffClassification : 0);
    return;
  }
  open_contracts_for(controls, classification);
  apply_page_set(controls, pages_chosen_for(classification));
  fit_job_to(controls, classification);
  if (auto* copy = controls.get<QComboBox>("staff_classification2"))
    set_combo_index_direct(copy, classification);
}

}  // namespace

int classification_of_job(int job_code) {
  if (job_code == player_job)
    return 2;
  if (std::ranges::find(player_and_non_player_jobs, job_code) !=
          std::end(player_and_non_player_jobs) ||
      (job_code >= player_and_non_player_range_first &&
       job_code <= player_and_non_player_range_last)) {
    return 3;
  }
  return 1;
}

bool is_manager_job(int job_code) {
  return std::ranges::find(manager_jobs, job_code) != std::end(manager_jobs);
}

bool manager_already_exists() {
  return std::ranges::any_of(store().staff_list, [](const auto& staff) {
    return staff != nullptr && is_manager_job(staff->StaffJobForClub);
  });
}

void staff_classificationChange(form_controls& controls) {
  if (editor().filling_controls)
    return;
  apply_classification_rule(controls);
}

void staff_classification2Change(form_controls& controls) {
  if (editor().filling_controls)
    return;
  auto* copy = controls.get<QComboBox>("staff_classification2");
  auto* combo = controls.get<QComboBox>("staff_classification");
  if (copy == nullptr || combo == nullptr)
    return;
  set_combo_index_direct(combo, copy->currentIndex());
  apply_classification_rule(controls);
}

void staff_club_job_forChange(form_controls& controls) {
  if (editor().filling_controls)
    return;
  auto* job = controls.get<QComboBox>("staff_club_job_for");
  if (job == nullptr)
    return;
  const int code = selected_code(job);
  if (is_manager_job(code) && manager_already_exists())
    show_warning("Mananger already exist for this club");
  set_classification_combos(controls, classification_of_job(code));
  apply_classification_rule(controls);
}

void staff_caretaker_managerClick(form_controls& controls) {
  if (is_ticked(controls, "staff_caretaker_manager"))
    apply_page_set(controls, {all_classified_pages, {}});
}
