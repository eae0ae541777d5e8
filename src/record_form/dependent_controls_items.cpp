#include <QComboBox>
#include <QWidget>
#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

#include "record_form/dependent_controls.h"
#include "record_form/form_controls.h"
#include "records/item_records.h"

namespace {

void set_enabled(form_controls& controls, const std::vector<const char*>& names, bool on) {
  for (const char* name : names) {
    if (QWidget* control = controls.find(name))
      control->setEnabled(on);
  }
}

// ---- Long-term career: the first place the item names decides what else may be chosen ----

struct career_controls {
  bool continent, nation, division, club, scope;
};

career_controls career_controls_for(const qor_staff_long_term_career& item) {
  if (item.StaffLongTermCareerContinent >= 1)
    return {true, false, false, false, true};
  if (!item.StaffLongTermCareerNation.empty())
    return {false, true, false, false, true};
  if (item.StaffLongTermCareerDivision >= 1)
    return {false, false, true, false, true};
  if (item.StaffLongTermCareerClub < 1)
    return {true, true, true, true, true};
  return {false, false, false, true, false};
}

// ---- Contract clauses: the groups of detail controls each clause type uses ----

enum clause_group : std::uint8_t {
  cash = 1,
  percentage = 2,
  club = 4,
  number = 8,
  level = 16,
  competition = 32,
  stage = 64,
};

struct clause_group_controls {
  clause_group group;
  std::vector<const char*> names;
};

const clause_group_controls clause_groups[] = {
    {cash, {"staff_contract_clauses_cash", "staff_contract_clauses_cash_currency"}},
    {percentage, {"staff_contract_clauses_percentage"}},
    {club, {"staff_contract_clauses_club", "find_contract_clauses_club_btn"}},
    {number, {"staff_contract_clauses_number"}},
    {level, {"staff_contract_clauses_win_or_qualify"}},
    {competition, {"staff_contract_clauses_competition"}},
    {stage, {"staff_contract_clauses_stage"}},
};

struct clause_type_row {
  std::vector<int> types;
  std::uint8_t groups;
};

// Types 21 and 26 depend on whether the clause concerns a loan; type 22 and unknown types
// change nothing.
const clause_type_row clause_type_rows[] = {
    {{0, 23}, 0},
    {{1, 2, 3, 4, 5, 15, 16, 19, 24, 29, 31, 32, 33}, cash},
    {{6, 7, 8}, percentage},
    {{9}, cash | percentage | club},
    {{10, 11, 12, 13, 18, 25, 39}, cash | club | number},
    {{14, 17, 28}, cash | club},
    {{20, 37, 38}, club},
    {{27}, cash | percentage | number},
    {{30}, cash | number | level | competition | stage},
    {{34, 35, 36}, percentage | club},
    {{40}, percentage | club | number},
    {{41, 42, 43}, cash | number | level},
};

constexpr int not_for_loan_only_sell_on = 21;
constexpr int not_for_loan_only_extension = 26;

// The groups a clause enables; no value when its type leaves the controls as they are.
std::optional<std::uint8_t> clause_groups_for(const qor_staff_contract_clauses& item) {
  const int type = item.StaffContractClausesType;
  const int loan_or_future = item.StaffContractClausesLoanOrFuture;
  // Only for a future transfer, or when not stated, do these two types take any detail.
  const bool not_a_loan = loan_or_future == 2 || loan_or_future < 1;
  if (type == not_for_loan_only_sell_on)
    return not_a_loan ? std::uint8_t{cash | percentage} : std::uint8_t{0};
  if (type == not_for_loan_only_extension)
    return not_a_loan ? std::uint8_t{number} : std::uint8_t{0};
  for (const clause_type_row& row : clause_type_rows) {
    if (std::find(row.types.begin(), row.types.end(), type) != row.types.end())
      return row.groups;
  }
  return std::nullopt;
}

}  // namespace

bool enable_long_term_career_controls(const qor_staff_long_term_career* item,
                                      form_controls& controls) {
  if (item == nullptr)
    return false;
  const career_controls on = career_controls_for(*item);
  set_enabled(controls, {"staff_long_term_career_continent"}, on.continent);
  set_enabled(controls, {"staff_long_term_career_nation"}, on.nation);
  set_enabled(controls, {"staff_long_term_career_division"}, on.division);
  set_enabled(controls, {"staff_long_term_career_club", "find_staff_long_term_career_club_btn"},
              on.club);
  set_enabled(controls, {"staff_long_term_career_scope"}, on.scope);
  return true;
}

bool enable_contract_clause_controls(const qor_staff_contract_clauses* item,
                                     form_controls& controls) {
  if (item == nullptr)
    return false;
  const std::optional<std::uint8_t> groups = clause_groups_for(*item);
  if (!groups)
    return true;
  for (const clause_group_controls& group : clause_groups)
    set_enabled(controls, group.names, (*groups & group.group) != 0);
  // A clause without a type has no place in the order; any typed clause has one again (the
  // order edit sits in a group box, which enabling the whole staff panel does not reach into).
  set_enabled(controls, {"staff_contract_clauses_order"}, item->StaffContractClausesType != 0);
  return true;
}

bool enable_non_player_history_controls(const qor_staff_non_player_history* item,
                                        form_controls& controls) {
  if (item == nullptr)
    return false;
  auto* club = controls.get<QComboBox>("staff_non_player_history_club");
  auto* nation = controls.get<QComboBox>("staff_non_player_history_nation");
  if (club == nullptr || nation == nullptr)
    return true;
  club->setEnabled(true);
  nation->setEnabled(true);
  const bool club_set = club->currentIndex() > 0;
  const bool nation_set = nation->currentIndex() > 0;
  if (!club_set && nation_set)
    club->setEnabled(false);
  else if (club_set && !nation_set)
    nation->setEnabled(false);
  return true;
}
