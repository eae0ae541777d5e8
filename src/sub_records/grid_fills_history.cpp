#include "record_form/form_text.h"
#include "sub_records/cell_makers.h"
#include "sub_records/grid_fill_engine.h"
#include "sub_records/item_grids.h"
#include "sub_records/item_sorts.h"

// The playing history and job grids.

namespace {

using H = qor_staff_history;

template <auto Member>
std::string fee_cell(const H& item, const form_formats& formats) {
  return money_cell_text(item.*Member, formats.decimal_separator, formats.thousands_separator);
}

constexpr grid_column<H> history_columns[] = {
    {"Year", number_cell<&H::StaffHistoryYear>},
    {"Order", number_cell<&H::StaffHistoryYearOrder>},
    {"Club", club_cell<&H::StaffHistoryClub>},
    {"Loan", text_cell<&H::StaffHistoryOnLoan>},
    {"Apps", text_cell<&H::StaffHistoryAppsText>},
    {"Goals", text_cell<&H::StaffHistoryGoalsText>},
    {"Date Joined", text_cell<&H::StaffHistoryDateJoined>},
    {"Date Departed", text_cell<&H::StaffHistoryDateDeparted>},
    {"Fee", fee_cell<&H::StaffHistoryTransferFeeText>},
    {"Currency",
     position_name_cell<&lookup_lists::currency_list, &H::StaffHistoryTransferFeeCurrencyIndex>},
    {"Youth", text_cell<&H::StaffHistoryYouthPlayer>},
    {"Loan Fee", fee_cell<&H::StaffHistoryLoanFeeText>},
    {"Currency",
     position_name_cell<&lookup_lists::currency_list, &H::StaffHistoryLoanFeeCurrencyIndex>},
    {"P/Exch.", text_cell<&H::StaffHistoryPlayerExchangeInvolved>},
    {"DAs.", number_cell<&H::StaffHistoryDraftAllocationsInvolved>},
    {"ISs.", number_cell<&H::StaffHistoryInternationalSlotsInvolved>},
    {"Draft Type",
     code_name_cell<&lookup_lists::staff_history_draft_types_list, &H::StaffHistoryDraftType>},
};

constexpr grid_kind<H> history_grid = {
    .fill_name = "fill_staff_history_string_grid",
    .columns = history_columns,
    .sort = sort_staff_history,
    .rows_carry_items = false,
};

using J = qor_staff_job;

constexpr grid_column<J> job_columns[] = {
    {"Job", code_name_cell<&lookup_lists::staff_jobs_list, &J::StaffJobJob>},
    {"Rating", number_cell<&J::StaffJobRating>},
};

constexpr grid_kind<J> job_grid = {
    .fill_name = "fill_staff_job_string_grid",
    .columns = job_columns,
    .sort = sort_staff_job,
};

}  // namespace

bool fill_staff_history_string_grid(string_grid* grid, std::int32_t staff_id,
                                    record_vector<qor_staff_history>& items,
                                    std::uint8_t sort_flag) {
  return fill_item_grid(grid, staff_id, items, sort_flag, history_grid);
}

bool fill_staff_job_string_grid(string_grid* grid, std::int32_t staff_id,
                                record_vector<qor_staff_job>& items, std::uint8_t sort_flag) {
  return fill_item_grid(grid, staff_id, items, sort_flag, job_grid);
}
