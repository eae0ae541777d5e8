#include <functional>
#include <string>
#include <vector>

#include "item_list_fixture.h"
#include "platform/item_objects.h"
#include "platform/string_grid.h"
#include "platform/win1252.h"
#include "sub_records/item_grids.h"

namespace {

using rows = std::vector<std::vector<std::string>>;

std::vector<std::string> row_texts(const string_grid& grid, int row) {
  std::vector<std::string> texts;
  for (int col = 0; col < grid.col_count(); ++col)
    texts.push_back(to_win1252(grid.cell(col, row)));
  return texts;
}

rows grid_texts(const string_grid& grid) {
  rows texts;
  for (int row = 0; row < grid.row_count(); ++row)
    texts.push_back(row_texts(grid, row));
  return texts;
}

// Staff member 1 owns the items below, stored out of their list order; staff member 2 owns one
// item of every kind, and every vector holds a null entry, neither of which may show.
class grid_fills_test : public item_list_test {
 protected:
  grid_fills_test() {
    add_retirement_items();
    add_unavailability_items();
    add_non_player_history_items();
    add_long_term_career_items();
    add_achievements_items();
    add_contract_clauses_items();
    add_injury_items();
    add_days_at_club_nation_items();
    add_history_items();
    add_job_items();
  }

  template <class Item>
  void finish(record_vector<Item>& items) {
    items.insert(items.begin() + 1, nullptr);
    add_item(items, 900, 2);
  }

  void add_retirement_items() {
    auto& v = store_.staff_retirement_list;
    auto& a = add_item(v, 3, 1);
    a.StaffRetirementType = 1;
    a.StaffRetirementDate = "05/06/2020";
    auto& b = add_item(v, 1, 1);
    b.StaffRetirementType = 2;
    b.StaffRetirementDate = "05/06/2020";
    auto& c = add_item(v, 4, 1);
    c.StaffRetirementType = 1;
    c.StaffRetirementDate = "not a date";
    auto& d = add_item(v, 2, 1);
    d.StaffRetirementType = 99;
    finish(v);
  }

  void add_unavailability_items() {
    auto& v = store_.staff_unavailability_list;
    auto& a = add_item(v, 1, 1);
    a.StaffUnavailabilityType = 1;
    a.StaffUnavailabilityDateFrom = "10/01/2021";
    a.StaffUnavailabilityDateTo = "11/01/2021";
    a.StaffUnavailabilityNumberOfGames = 3;
    a.StaffUnavailabilityClubComp = 10;
    a.StaffUnavailabilityNationComp = 20;
    auto& b = add_item(v, 2, 1);
    b.StaffUnavailabilityType = 7;
    b.StaffUnavailabilityDateFrom = "20/12/2020";
    b.StaffUnavailabilityNationComp = 99;
    finish(v);
  }

  void add_non_player_history_items() {
    auto& v = store_.staff_non_player_history_list;
    auto& a = add_item(v, 1, 1);
    a.StaffNonPlayerHistoryClubContracted = 101;
    a.StaffNonPlayerHistoryJobForClub = 1;
    a.StaffNonPlayerHistoryDateJoined = "01/07/2015";
    a.StaffNonPlayerHistoryDateDeparted = "30/06/2017";
    auto& b = add_item(v, 2, 1);
    b.StaffNonPlayerHistoryNationContracted = "Tolvania";
    b.StaffNonPlayerHistoryJobForClub = 2;
    finish(v);
  }

  void add_long_term_career_items() {
    auto& v = store_.staff_long_term_career_list;
    auto& a = add_item(v, 1, 1);
    a.StaffLongTermCareerType = 1;
    a.StaffLongTermCareerContinent = 3;
    a.StaffLongTermCareerDivision = 10;
    a.StaffLongTermCareerClub = 101;
    a.StaffLongTermCareerJob = 1;
    a.StaffLongTermCareerScope = 1;
    auto& b = add_item(v, 2, 1);
    b.StaffLongTermCareerType = 7;
    b.StaffLongTermCareerContinent = -1;
    b.StaffLongTermCareerNation = "Tolvania";
    b.StaffLongTermCareerClub = 999;
    b.StaffLongTermCareerScope = 5;
    finish(v);
  }

  void add_achievements_items() {
    auto& v = store_.staff_achievements_list;
    auto& a = add_item(v, 1, 1);
    a.StaffAchievementsYear = 2020;
    a.StaffAchievementsDate = "10/05/2020";
    a.StaffAchievementsClubComp = 10;
    a.StaffAchievementsClub = 101;
    a.StaffAchievementsNationComp = 20;
    a.StaffAchievementsNation = "Tolvania";
    a.StaffAchievementsPlacing = 1;
    a.StaffAchievementsJob = 2;
    a.StaffAchievementsPromotionOrRelegation = "1";
    auto& b = add_item(v, 2, 1);
    b.StaffAchievementsYear = 2020;
    b.StaffAchievementsDate = "20/01/2020";
    b.StaffAchievementsPlacing = 9;
    auto& c = add_item(v, 3, 1);
    c.StaffAchievementsYear = 2019;
    c.StaffAchievementsPlacing = 5;
    c.StaffAchievementsPromotionOrRelegation = "x";
    finish(v);
  }

  void add_contract_clauses_items() {
    auto& v = store_.staff_contract_clauses_list;
    auto& a = add_item(v, 1, 1);
    a.StaffContractClausesLoanOrFuture = 1;
    a.StaffContractClausesType = 9;
    a.StaffContractClausesCash = 1234567;
    a.StaffContractClausesCashCurrencyIndex = 1;
    a.StaffContractClausesPercentage = 10;
    a.StaffContractClausesClub = 101;
    a.StaffContractClausesNumber = 2;
    a.StaffContractClausesWinOrQualify = 2;
    a.StaffContractClausesCompetition = 10;
    a.StaffContractClausesStage = 4;
    a.StaffContractClauseOrder = 1;
    auto& b = add_item(v, 2, 1);
    b.StaffContractClausesLoanOrFuture = 5;
    b.StaffContractClausesType = 77;
    b.StaffContractClausesCashCurrencyIndex = -3;
    b.StaffContractClausesPercentage = -5;
    finish(v);
  }

  void add_injury_items() {
    auto& v = store_.staff_injury_list;
    auto& a = add_item(v, 1, 1);
    a.StaffInjuriesInjuryIndex = 1;
    a.StaffInjuriesInjuredFrom = "01/02/2020";
    a.StaffInjuriesInjuredTo = "01/03/2020";
    a.StaffInjuriesPermanentInjury = "False";
    a.StaffInjuriesFuturePermanentInjury = "True";
    a.StaffInjuriesSeverityPermanentInjury = -3;
    a.StaffInjuriesRightOrLeft = 2;
    a.StaffInjuriesDoesNotTrain = "True";
    auto& b = add_item(v, 2, 1);
    b.StaffInjuriesInjuryIndex = 40;
    b.StaffInjuriesRightOrLeft = 9;
    finish(v);
  }

  void add_days_at_club_nation_items() {
    auto& v = store_.staff_days_at_club_nation_list;
    auto& a = add_item(v, 1, 1);
    a.StaffDaysAtClubNationType = 1;
    a.StaffDaysAtClubNationClub = 102;
    a.StaffDaysAtClubNationDays = 300;
    a.StaffDaysAtClubNation15_21Only = "True";
    a.StaffDaysAtClubNationMarkedForDeletion = "False";
    a.StaffDaysAtClubNationStint = 2;
    auto& b = add_item(v, 2, 1);
    b.StaffDaysAtClubNationType = 4;
    finish(v);
  }

  void add_history_items() {
    auto& v = store_.staff_history_list;
    auto& a = add_item(v, 2, 1);
    a.StaffHistoryYear = 2020;
    a.StaffHistoryYearOrder = 1;
    auto& b = add_item(v, 1, 1);
    b.StaffHistoryYear = 2020;
    b.StaffHistoryYearOrder = 1;
    b.StaffHistoryLoanFeeText = "12x";
    auto& c = add_item(v, 3, 1);
    c.StaffHistoryYear = 2018;
    c.StaffHistoryYearOrder = 5;
    c.StaffHistoryClub = 101;
    c.StaffHistoryOnLoan = "True";
    c.StaffHistoryAppsText = "25";
    c.StaffHistoryGoalsText = "3";
    c.StaffHistoryDateJoined = "01/07/2018";
    c.StaffHistoryDateDeparted = "30/06/2019";
    c.StaffHistoryTransferFeeText = "1500000";
    c.StaffHistoryTransferFeeCurrencyIndex = 1;
    c.StaffHistoryYouthPlayer = "False";
    c.StaffHistoryLoanFeeText = "250000";
    c.StaffHistoryPlayerExchangeInvolved = "False";
    c.StaffHistoryDraftAllocationsInvolved = 2;
    c.StaffHistoryInternationalSlotsInvolved = 1;
    c.StaffHistoryDraftType = 1;
    finish(v);
  }

  void add_job_items() {
    auto& v = store_.staff_job_list;
    const struct {
      std::int32_t id, job;
      std::int8_t rating;
    } jobs[] = {{1, 5, 10}, {2, 6, 15}, {3, 99, 10}, {4, 5, 0}};
    for (const auto& job : jobs) {
      auto& item = add_item(v, job.id, 1);
      item.StaffJobJob = job.job;
      item.StaffJobRating = job.rating;
    }
    finish(v);
  }

  using fill_function = std::function<bool(string_grid*, std::int32_t, std::uint8_t)>;

  // Binds a grid fill to its vector of the fixture's store.
  template <class Item>
  fill_function bind(bool (*fill)(string_grid*, std::int32_t, record_vector<Item>&, std::uint8_t),
                     record_vector<Item>& items) {
    return [fill, &items](string_grid* grid, std::int32_t staff_id, std::uint8_t sort_flag) {
      return fill(grid, staff_id, items, sort_flag);
    };
  }

  struct grid_case {
    const char* kind;
    fill_function fill;
    rows expected;         // header row first
    std::vector<int> ids;  // the row objects' ids; empty: rows carry none
    int (*id_of)(const void*);
  };

  std::vector<grid_case> every_grid_kind() {
    auto& s = store_;
    return {
        {"retirement",
         bind(fill_staff_retirement_string_grid, s.staff_retirement_list),
         {{"Type", "Date"},
          {"", ""},
          {"Coaching", "05/06/2020"},
          {"Retired", "05/06/2020"},
          {"Retired", "not a date"}},
         {2, 1, 3, 4},
         object_id<qor_staff_retirement>},
        {"unavailability",
         bind(fill_staff_unavailability_string_grid, s.staff_unavailability_list),
         {{"Type", "Date From", "Date To", "No. of Games", "Club Comp", "Nation Comp"},
          {"", "20/12/2020", "", "0", "", ""},
          {"Suspended", "10/01/2021", "11/01/2021", "3", "First Division", "World Cup"}},
         {2, 1},
         object_id<qor_staff_unavailability>},
        {"non-player history",
         bind(fill_staff_non_player_history_string_grid, s.staff_non_player_history_list),
         {{"Club", "Nation", "Job", "Joined", "Departed"},
          {"", "Tolvania", "Coach", "", ""},
          {"Tolvan United", "", "Manager", "01/07/2015", "30/06/2017"}},
         {2, 1},
         object_id<qor_staff_non_player_history>},
        {"long-term career",
         bind(fill_staff_long_term_career_string_grid, s.staff_long_term_career_list),
         {{"Yes/No", "Continent", "Nation", "Comp", "Club", "Job", "scope"},
          {"", "", "Tolvania", "", "", "", ""},
          {"Wants to", "Europe", "", "First Division", "Tolvan United", "Manager", "Club"}},
         {2, 1},
         object_id<qor_staff_long_term_career>},
        {"achievements",
         bind(fill_staff_achievements_string_grid, s.staff_achievements_list),
         {{"Year", "Date", "Club Comp", "Club", "Nation Comp", "Nation", "Placing", "Job",
           "Promoted Or Relegated"},
          {"2019", "", "", "", "", "", "Playoff Winner", "", ""},
          {"2020", "20/01/2020", "", "", "", "", "", "", "Not set"},
          {"2020", "10/05/2020", "First Division", "Tolvan United", "World Cup", "Tolvania",
           "Winner", "Coach", "Promoted"}},
         {3, 2, 1},
         object_id<qor_staff_achievements>},
        {"contract clauses",
         bind(fill_staff_contract_clauses_string_grid, s.staff_contract_clauses_list),
         {{"Contract Type", "Type", "Cash", "Currency", "% +/-", "Club", "Number", "Level", "Comp",
           "Stage", "Order"},
          {"Not Set", "", "0", "", "-5", "", "0", "Not Set", "", "", "0"},
          {"Loan", "Next Sale Percentage", "1,234,567", "Euro", "10", "Tolvan United", "2",
           "Qualify", "First Division", "Final", "1"}},
         {2, 1},
         object_id<qor_staff_contract_clauses>},
        {"injury",
         bind(fill_staff_injury_string_grid, s.staff_injury_list),
         {{"Type", "From", "Until", "Perm", "Fut. Perm", "Severity", "Side", "Dsn't Train"},
          {"", "", "", "", "", "0", "Not set", ""},
          {"Knee", "01/02/2020", "01/03/2020", "False", "True", "-3", "Left", "True"}},
         {2, 1},
         object_id<qor_staff_injury>},
        {"days at club or nation",
         bind(fill_staff_days_at_club_nation_string_grid, s.staff_days_at_club_nation_list),
         {{"Type", "Club", "Nation", "Days", "15-21", "MFD", "Stint"},
          {"", "", "", "0", "", "", "0"},
          {"Club", "Estr\xE9la FC", "", "300", "True", "False", "2"}},
         {2, 1},
         object_id<qor_staff_days_at_club_nation>},
        {"history",
         bind(fill_staff_history_string_grid, s.staff_history_list),
         {{"Year", "Order", "Club", "Loan", "Apps", "Goals", "Date Joined", "Date Departed", "Fee",
           "Currency", "Youth", "Loan Fee", "Currency", "P/Exch.", "DAs.", "ISs.", "Draft Type"},
          {"2018", "5", "Tolvan United", "True", "25", "3", "01/07/2018", "30/06/2019", "1,500,000",
           "Euro", "False", "250,000", "Pound", "False", "2", "1", "Regular"},
          {"2020", "1", "", "", "", "", "", "", "", "Pound", "", "12x", "Pound", "", "0", "0", ""},
          {"2020", "1", "", "", "", "", "", "", "", "Pound", "", "", "Pound", "", "0", "0", ""}},
         {},
         object_id<qor_staff_history>},
        {"job",
         bind(fill_staff_job_string_grid, s.staff_job_list),
         {{"Job", "Rating"}, {"Physio", "15"}, {"Scout", "10"}, {"", "10"}, {"Scout", "0"}},
         {2, 1, 3, 4},
         object_id<qor_staff_job>},
    };
  }
};

// Every grid kind after a show: its header, one row per item of the staff member in the kind's
// order, codes turned into names (nothing for a code or position that names nothing, the "not
// set" word where the kind has one) and the items as the rows' objects.
TEST_F(grid_fills_test, every_kind_lists_the_staff_members_items_in_its_order) {
  for (const grid_case& c : every_grid_kind()) {
    SCOPED_TRACE(c.kind);
    string_grid grid;
    ASSERT_TRUE(c.fill(&grid, 1, 1));
    EXPECT_EQ(grid_texts(grid), c.expected);
    for (int row = 1; row < grid.row_count(); ++row) {
      const int expected_id = c.ids.empty() ? -1 : c.ids[static_cast<std::size_t>(row - 1)];
      EXPECT_EQ(c.id_of(row_object_raw(&grid, row)), expected_id) << "row " << row;
    }
    EXPECT_TRUE(dialogs_.shown().empty());
  }
}

// History with two items of the same year and order: they come by id; the history list box
// uses the same order, so row r of the grid stands for entry r - 1 of the list.
TEST_F(grid_fills_test, history_of_one_year_and_order_sorts_by_id) {
  string_grid grid;
  ASSERT_TRUE(fill_staff_history_string_grid(&grid, 1, store_.staff_history_list, 1));
  std::vector<int> ids;
  for (const auto& item : store_.staff_history_list)
    ids.push_back(item ? item->StaffHistoryID : 0);
  EXPECT_EQ(ids, (std::vector<int>{900, 3, 1, 2, 0}));
}

// Staff member 2 sees only his own item; one with no items gets a cleared grid and false, also
// when the grid showed another member's rows before.
TEST_F(grid_fills_test, other_owners_items_are_skipped_and_no_items_leave_the_grid_cleared) {
  for (const grid_case& c : every_grid_kind()) {
    SCOPED_TRACE(c.kind);
    string_grid grid;
    ASSERT_TRUE(c.fill(&grid, 2, 1));
    EXPECT_EQ(grid.row_count(), 2);
    if (!c.ids.empty()) {
      EXPECT_EQ(c.id_of(row_object_raw(&grid, 1)), 900);
    }

    ASSERT_TRUE(c.fill(&grid, 1, 1));
    EXPECT_FALSE(c.fill(&grid, 3, 1));
    EXPECT_EQ(grid.row_count(), 2);
    EXPECT_EQ(row_texts(grid, 0), c.expected.front());
    EXPECT_EQ(row_texts(grid, 1), std::vector<std::string>(c.expected.front().size()));
    EXPECT_EQ(row_object_raw(&grid, 1), nullptr);
  }
}

// Without the sort flag the rows follow the vector: a new job (rating 0) added after a show is
// listed last until the next show sorts it below every rated job.
TEST_F(grid_fills_test, without_the_sort_flag_rows_keep_the_vector_order) {
  string_grid grid;
  ASSERT_TRUE(fill_staff_job_string_grid(&grid, 1, store_.staff_job_list, 1));
  add_item(store_.staff_job_list, 50001, 1).StaffJobJob = 6;
  for (const std::uint8_t flag : {0, 2}) {
    ASSERT_TRUE(fill_staff_job_string_grid(&grid, 1, store_.staff_job_list, flag));
    EXPECT_EQ(object_id<qor_staff_job>(row_object_raw(&grid, 5)), 50001) << int(flag);
  }
  ASSERT_TRUE(fill_staff_job_string_grid(&grid, 1, store_.staff_job_list, 1));
  std::vector<int> ids;
  for (int row = 1; row < grid.row_count(); ++row)
    ids.push_back(object_id<qor_staff_job>(row_object_raw(&grid, row)));
  EXPECT_EQ(ids, (std::vector<int>{2, 1, 3, 4, 50001}));
}

// A missing grid is a programming error: a plain message naming the fill, false, nothing else.
TEST_F(grid_fills_test, a_missing_grid_shows_the_fills_message) {
  const std::pair<const char*, std::string> cases[] = {
      {"retirement", "fill_staff_retirement_string_grid: null string grid"},
      {"unavailability", "fill_staff_unavailability_string_grid: null string grid"},
      {"non-player history", "fill_staff_non_player_history_string_grid: null string grid"},
      {"long-term career", "fill_staff_long_term_career_string_grid: null string grid"},
      {"achievements", "fill_staff_achievements_string_grid: null string grid"},
      {"contract clauses", "fill_staff_contract_clauses_string_grid: null string grid"},
      {"injury", "fill_staff_injury_string_grid: null string grid"},
      {"days at club or nation", "fill_staff_days_at_club_nation_string_grid: null string grid"},
      {"history", "fill_staff_history_string_grid: null string grid"},
      {"job", "fill_staff_job_string_grid: null string grid"},
  };
  const std::vector<grid_case> kinds = every_grid_kind();
  ASSERT_EQ(kinds.size(), std::size(cases));
  for (std::size_t i = 0; i < kinds.size(); ++i) {
    SCOPED_TRACE(kinds[i].kind);
    ASSERT_STREQ(kinds[i].kind, cases[i].first);
    dialogs_.clear();
    EXPECT_FALSE(kinds[i].fill(nullptr, 1, 1));
    ASSERT_EQ(dialogs_.shown().size(), 1u);
    EXPECT_EQ(dialogs_.last().kind, scripted_dialog_service::dialog_kind::plain_message);
    EXPECT_EQ(to_win1252(dialogs_.last().text), cases[i].second);
  }
}

}  // namespace
