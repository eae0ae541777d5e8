#include "main_window/lookup_files.h"

#include <QComboBox>
#include <QStringListModel>
#include <fstream>
#include <iterator>
#include <span>

#include "platform/combo_helpers.h"
#include "platform/dialog_service.h"
#include "platform/win1252.h"
#include "record_form/form_controls.h"
#include "records/lookup_lists.h"
#include "records/program_paths.h"

namespace {

constexpr const char* contract_clauses_type_combos[] = {"staff_contract_clauses_type"};
constexpr const char* draft_type_combos[] = {"staff_draft_type"};
constexpr const char* history_draft_type_combos[] = {"staff_history_draft_type"};
constexpr const char* formation_combos[] = {
    "staff_np_preferred_formation", "staff_np_preferred_second_formation",
    "staff_np_preferred_attacking_formation", "staff_np_preferred_defensive_formation"};
constexpr const char* job_combos[] = {
    "staff_club_job_for",         "staff_achievements_job",
    "staff_future_transfer_job",  "staff_non_player_history_job_for_club",
    "staff_long_term_career_job", "staff_nation_job_for"};
constexpr const char* staff_job_combos[] = {"staff_job_job"};
constexpr const char* nation_combos[] = {"staff_nation",
                                         "staff_second_nation",
                                         "staff_nation_contracted",
                                         "staff_third_nation",
                                         "staff_non_player_history_nation",
                                         "staff_international_full_debut_against_nation",
                                         "staff_achievements_nation",
                                         "staff_resident_nation",
                                         "staff_first_name_nation",
                                         "staff_second_name_nation",
                                         "staff_days_at_club_nation_nation",
                                         "staff_international_first_goal_against_nation",
                                         "staff_long_term_career_nation"};
constexpr const char* club_combos[] = {"staff_club_contracted",
                                       "staff_club_loan_to",
                                       "staff_club_co_owned_by",
                                       "staff_club_future_transfer",
                                       "staff_favourite_club_club",
                                       "staff_disliked_club_club",
                                       "staff_history_club",
                                       "staff_mls_rights_club",
                                       "staff_draft_club",
                                       "staff_non_player_history_club",
                                       "staff_contract_clauses_club",
                                       "staff_achievements_club",
                                       "staff_days_at_club_nation_club",
                                       "staff_long_term_career_club"};
constexpr const char* club_comp_combos[] = {
    "staff_achievements_club_comp", "staff_long_term_career_division",
    "staff_contract_clauses_competition", "staff_unavailability_club_comp"};
constexpr const char* stage_name_combos[] = {"staff_contract_clauses_stage"};
constexpr const char* nation_comp_combos[] = {"staff_achievements_nation_comp",
                                              "staff_unavailability_nation_comp"};
constexpr const char* language_combos[] = {"staff_language_language"};
constexpr const char* ppm_combos[] = {"staff_ppm_move"};
constexpr const char* npt_combos[] = {"staff_npt_tendency"};
constexpr const char* injury_combos[] = {"staff_injury", "staff_injury_injury"};
constexpr const char* city_combos[] = {"staff_city_of_birth"};
constexpr const char* currency_combos[] = {
    "staff_club_loan_buy_amount_currency", "staff_club_estimated_wage_currency",
    "staff_future_transfer_fee_currency",  "staff_future_transfer_estimated_wage_currency",
    "staff_history_fee_currency",          "staff_contract_clauses_cash_currency",
    "staff_loan_player_wages_currency",    "staff_history_loan_fee_currency"};
constexpr const char* unavailability_type_combos[] = {"staff_unavailability_type"};
constexpr const char* retirement_type_combos[] = {"staff_retirement_type"};
constexpr const char* favourite_club_reason_combos[] = {"staff_favourite_club_reason"};
constexpr const char* favourite_staff_reason_combos[] = {"staff_favourite_staff_reason"};
constexpr const char* skin_colour_combos[] = {"staff_skin_tone"};
constexpr const char* region_combos[] = {"staff_local_region_of_birth",
                                         "staff_first_name_local_region",
                                         "staff_second_name_local_region"};

constexpr const char* language_type_texts[] = {"Mother Tongue", "Fluent", "Good",   "Basic",
                                               "None",          "Never",  "Not Set"};
constexpr const char* injury_side_texts[] = {"Not set; 0", "Right; 1", "Left; 2", "Unknown; 3"};
constexpr const char* loan_or_future_texts[] = {"Not set; 0", "Loan; 1", "Future; 2"};
constexpr const char* win_or_qualify_texts[] = {"Not set; 0", "Win; 1", "Qualify; 2"};

constexpr fixed_items after_languages[] = {{"staff_language_type", language_type_texts}};
constexpr fixed_items after_injuries[] = {
    {"staff_injury_right_or_left", injury_side_texts},
    {"staff_contract_clauses_loan_or_future", loan_or_future_texts},
    {"staff_contract_clauses_win_or_qualify", win_or_qualify_texts}};

constexpr std::span<const char* const> no_combos;

// In the order they are loaded, which is the order of their error dialogs.
constexpr lookup_file lookup_file_table[] = {
    {"club_div_rep_q.txt", &lookup_lists::club_div_rep_q, "club_div_rep_q", no_combos, {}},
    {"contract_clauses_type_list.txt",
     &lookup_lists::contract_clauses_type_list,
     "contract_clauses_type_list",
     contract_clauses_type_combos,
     {}},
    {"staff_draft_types_list.txt",
     &lookup_lists::staff_draft_types_list,
     "staff_draft_types_list",
     draft_type_combos,
     {}},
    {"staff_history_draft_types_list.txt",
     &lookup_lists::staff_history_draft_types_list,
     "staff_history_draft_types_list",
     history_draft_type_combos,
     {}},
    {"formation_list.txt", &lookup_lists::formation_list, "formation_list", formation_combos, {}},
    {"jobs_list.txt", &lookup_lists::jobs_list, "jobs_list", job_combos, {}},
    {"staff_jobs_list.txt",
     &lookup_lists::staff_jobs_list,
     "staff_jobs_list",
     staff_job_combos,
     {}},
    {"nation_list.txt", &lookup_lists::nation_list, "nation_list", nation_combos, {}},
    {"club_list.txt", &lookup_lists::club_list, "club_list", club_combos, {}},
    {"club_comps_list.txt",
     &lookup_lists::club_comps_list,
     "club_comps_list",
     club_comp_combos,
     {}},
    {"stage_names_list.txt",
     &lookup_lists::stage_names_list,
     "stage_names_list",
     stage_name_combos,
     {}},
    {"nation_comps_list.txt",
     &lookup_lists::nation_comps_list,
     "nation_comps_list",
     nation_comp_combos,
     {}},
    {"language_list.txt", &lookup_lists::language_list, "language_list", language_combos,
     after_languages},
    {"ppm_list.txt", &lookup_lists::ppm_list, "ppm_list", ppm_combos, {}},
    {"npt_list.txt", &lookup_lists::npt_list, "npt_list", npt_combos, {}},
    {"injury_list.txt", &lookup_lists::injury_list, "injury_list", injury_combos, after_injuries},
    {"city_list.txt", &lookup_lists::city_list, "city_list", city_combos, {}},
    {"currency_list.txt", &lookup_lists::currency_list, "currency_list", currency_combos, {}},
    {"unavailability_type_list.txt",
     &lookup_lists::unavailability_type_list,
     "unavailability_type_list",
     unavailability_type_combos,
     {}},
    {"retirement_type_list.txt",
     &lookup_lists::retirement_type_list,
     "retirement_type_list",
     retirement_type_combos,
     {}},
    {"favourite_club_reason_list.txt",
     &lookup_lists::favourite_club_reason_list,
     "favourite_club_reason_list",
     favourite_club_reason_combos,
     {}},
    {"favourite_staff_reason_list.txt",
     &lookup_lists::favourite_staff_reason_list,
     "favourite_staff_reason_list",
     favourite_staff_reason_combos,
     {}},
    {"skin_colour_list.txt",
     &lookup_lists::skin_colour_list,
     "skin_colour_list",
     skin_colour_combos,
     {}},
    {"region_list.txt", &lookup_lists::region_list, "region_list", region_combos, {}},
};
static_assert(std::size(lookup_file_table) == 24);

QStringList to_items(const std::vector<std::string>& lines) {
  QStringList items;
  items.reserve(static_cast<qsizetype>(lines.size()));
  for (const std::string& line : lines)
    items.append(from_win1252(line));
  return items;
}

// Every combo of one file shows the file's model. A combo that would measure its items before
// it is first shown is told not to: with a long club list that costs more than the whole load.
void attach_model(QComboBox* combo, QStringListModel* model) {
  if (combo->model() != model)
    share_list_model(combo, model);
  if (combo->sizeAdjustPolicy() == QComboBox::AdjustToContentsOnFirstShow)
    use_light_size_policy(combo);
}

void show_missing_file(const std::filesystem::path& path) {
  dialogs().message(message_type::error,
                    from_win1252("Missing file: ") + QString::fromStdString(path.string()) +
                        from_win1252(". Please make sure that this file is in the varnel editor "
                                     "data folder then start application again."),
                    message_buttons::ok);
}

}  // namespace

std::span<const lookup_file> lookup_files() {
  return lookup_file_table;
}

std::optional<std::vector<std::string>> read_text_lines(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in)
    return std::nullopt;
  const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (in.bad())
    return std::nullopt;
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t end = bytes.find_first_of("\r\n", start);
    if (end == std::string::npos) {
      lines.push_back(bytes.substr(start));
      break;
    }
    lines.push_back(bytes.substr(start, end - start));
    if (bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n')
      ++end;
    start = end + 1;
  }
  return lines;
}

std::vector<std::filesystem::path> load_lookup_files(const combo_finder& find_combo,
                                                     form_controls& controls) {
  std::vector<std::filesystem::path> missing;
  for (const lookup_file& file : lookup_file_table) {
    const std::filesystem::path path = data_folder() / file.file_name;
    std::vector<std::string>& list = lookups().*file.list;
    list.clear();
    QStringListModel* model = controls.choice_model(file.model);
    const bool exists = std::filesystem::exists(path);
    if (exists) {
      // A file that exists but cannot be read counts as empty: only a missing one is reported.
      list = read_text_lines(path).value_or(std::vector<std::string>{});
      model->setStringList(to_items(list));
    } else {
      missing.push_back(path);
      show_missing_file(path);
      model->setStringList({});
    }
    for (const char* name : file.combos) {
      if (QComboBox* combo = find_combo(name))
        attach_model(combo, model);
    }
    for (const fixed_items& items : file.then_add) {
      QComboBox* combo = find_combo(items.combo);
      if (!combo)
        continue;
      QStringListModel* own = controls.choice_model(items.combo);
      if (combo->model() != own)
        share_list_model(combo, own);
      fill_items_from_array(combo, items.texts);
    }
  }
  return missing;
}
