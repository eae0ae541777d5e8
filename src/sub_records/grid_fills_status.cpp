#include "record_form/form_text.h"
#include "sub_records/cell_makers.h"
#include "sub_records/grid_fill_engine.h"
#include "sub_records/item_grids.h"
#include "sub_records/item_sorts.h"

// The retirement, unavailability, injury, days at club or nation and contract clause grids.

namespace {

using R = qor_staff_retirement;

constexpr grid_column<R> retirement_columns[] = {
    {"Type", code_name_cell<&lookup_lists::retirement_type_list, &R::StaffRetirementType>},
    {"Date", text_cell<&R::StaffRetirementDate>},
};

constexpr grid_kind<R> retirement_grid = {
    .fill_name = "fill_staff_retirement_string_grid",
    .columns = retirement_columns,
    .sort = sort_staff_retirement,
};

using U = qor_staff_unavailability;

constexpr grid_column<U> unavailability_columns[] = {
    {"Type", code_name_cell<&lookup_lists::unavailability_type_list, &U::StaffUnavailabilityType>},
    {"Date From", text_cell<&U::StaffUnavailabilityDateFrom>},
    {"Date To", text_cell<&U::StaffUnavailabilityDateTo>},
    {"No. of Games", number_cell<&U::StaffUnavailabilityNumberOfGames>},
    {"Club Comp", code_name_cell<&lookup_lists::club_comps_list, &U::StaffUnavailabilityClubComp>},
    {"Nation Comp",
     code_name_cell<&lookup_lists::nation_comps_list, &U::StaffUnavailabilityNationComp>},
};

constexpr grid_kind<U> unavailability_grid = {
    .fill_name = "fill_staff_unavailability_string_grid",
    .columns = unavailability_columns,
    .sort = sort_staff_unavailability,
};

using I = qor_staff_injury;

constexpr const char* injury_side_words[] = {"Not set", "Right", "Left", "Unknown"};

constexpr grid_column<I> injury_columns[] = {
    {"Type", position_name_cell<&lookup_lists::injury_list, &I::StaffInjuriesInjuryIndex>},
    {"From", text_cell<&I::StaffInjuriesInjuredFrom>},
    {"Until", text_cell<&I::StaffInjuriesInjuredTo>},
    {"Perm", text_cell<&I::StaffInjuriesPermanentInjury>},
    {"Fut. Perm", text_cell<&I::StaffInjuriesFuturePermanentInjury>},
    {"Severity", number_cell<&I::StaffInjuriesSeverityPermanentInjury>},
    {"Side", word_or_first_cell<injury_side_words, &I::StaffInjuriesRightOrLeft>},
    {"Dsn't Train", text_cell<&I::StaffInjuriesDoesNotTrain>},
};

constexpr grid_kind<I> injury_grid = {
    .fill_name = "fill_staff_injury_string_grid",
    .columns = injury_columns,
    .sort = sort_staff_injury,
};

using D = qor_staff_days_at_club_nation;

constexpr const char* days_type_words[] = {"Not Set", "Club", "Nation"};

constexpr grid_column<D> days_at_club_nation_columns[] = {
    {"Type", word_cell<days_type_words, &D::StaffDaysAtClubNationType>},
    {"Club", club_cell<&D::StaffDaysAtClubNationClub>},
    {"Nation", text_cell<&D::StaffDaysAtClubNationNation>},
    {"Days", number_cell<&D::StaffDaysAtClubNationDays>},
    {"15-21", text_cell<&D::StaffDaysAtClubNation15_21Only>},
    {"MFD", text_cell<&D::StaffDaysAtClubNationMarkedForDeletion>},
    {"Stint", number_cell<&D::StaffDaysAtClubNationStint>},
};

constexpr grid_kind<D> days_at_club_nation_grid = {
    .fill_name = "fill_staff_days_at_club_nation_string_grid",
    .columns = days_at_club_nation_columns,
    .sort = sort_staff_days_at_club_nation,
};

using C = qor_staff_contract_clauses;

constexpr const char* loan_or_future_words[] = {"Not Set", "Loan", "Future"};
constexpr const char* win_or_qualify_words[] = {"Not Set", "Win", "Qualify"};

std::string cash_cell(const C& item, const form_formats& formats) {
  return money_text(item.StaffContractClausesCash, formats.thousands_separator);
}

constexpr grid_column<C> contract_clauses_columns[] = {
    {"Contract Type",
     word_or_first_cell<loan_or_future_words, &C::StaffContractClausesLoanOrFuture>},
    {"Type",
     code_name_cell<&lookup_lists::contract_clauses_type_list, &C::StaffContractClausesType>},
    {"Cash", cash_cell},
    {"Currency",
     position_name_cell<&lookup_lists::currency_list, &C::StaffContractClausesCashCurrencyIndex>},
    {"% +/-", number_cell<&C::StaffContractClausesPercentage>},
    {"Club", club_cell<&C::StaffContractClausesClub>},
    {"Number", number_cell<&C::StaffContractClausesNumber>},
    {"Level", word_or_first_cell<win_or_qualify_words, &C::StaffContractClausesWinOrQualify>},
    {"Comp", code_name_cell<&lookup_lists::club_comps_list, &C::StaffContractClausesCompetition>},
    {"Stage", code_name_cell<&lookup_lists::stage_names_list, &C::StaffContractClausesStage>},
    {"Order", number_cell<&C::StaffContractClauseOrder>},
};

constexpr grid_kind<C> contract_clauses_grid = {
    .fill_name = "fill_staff_contract_clauses_string_grid",
    .columns = contract_clauses_columns,
    .sort = sort_staff_contract_clauses,
};

}  // namespace

bool fill_staff_retirement_string_grid(string_grid* grid, std::int32_t staff_id,
                                       record_vector<qor_staff_retirement>& items,
                                       std::uint8_t sort_flag) {
  return fill_item_grid(grid, staff_id, items, sort_flag, retirement_grid);
}

bool fill_staff_unavailability_string_grid(string_grid* grid, std::int32_t staff_id,
                                           record_vector<qor_staff_unavailability>& items,
                                           std::uint8_t sort_flag) {
  return fill_item_grid(grid, staff_id, items, sort_flag, unavailability_grid);
}

bool fill_staff_injury_string_grid(string_grid* grid, std::int32_t staff_id,
                                   record_vector<qor_staff_injury>& items, std::uint8_t sort_flag) {
  return fill_item_grid(grid, staff_id, items, sort_flag, injury_grid);
}

bool fill_staff_days_at_club_nation_string_grid(string_grid* grid, std::int32_t staff_id,
                                                record_vector<qor_staff_days_at_club_nation>& items,
                                                std::uint8_t sort_flag) {
  return fill_item_grid(grid, staff_id, items, sort_flag, days_at_club_nation_grid);
}

bool fill_staff_contract_clauses_string_grid(string_grid* grid, std::int32_t staff_id,
                                             record_vector<qor_staff_contract_clauses>& items,
                                             std::uint8_t sort_flag) {
  return fill_item_grid(grid, staff_id, items, sort_flag, contract_clauses_grid);
}
