#include "item_kinds.h"

#include <array>
#include <memory>

#include "item_vectors.h"

namespace {

constexpr item_kind_info infos[] = {
    {item_kind::favourite_staff, "STAFF_FAVOURITE_STAFF", "STAFF_FAVOURITE_STAFF_ORIG_DATA",
     "load_data: Invalid format of file (Favourite Staff)",
     "save_data - write staff favourite staff failed"},
    {item_kind::disliked_staff, "STAFF_DISLIKED_STAFF", "STAFF_DISLIKED_STAFF_ORIG_DATA",
     "load_data: Invalid format of file (Disliked Staff)",
     "save_data - write staff disliked staff failed"},
    {item_kind::favourite_club, "STAFF_FAVOURITE_CLUBS", "STAFF_FAVOURITE_CLUBS_ORIG_DATA",
     "load_data: Invalid format of file (Favourite Club)",
     "save_data - write staff favourite club failed"},
    {item_kind::disliked_club, "STAFF_DISLIKED_CLUBS", "STAFF_DISLIKED_CLUBS_ORIG_DATA",
     "load_data: Invalid format of file (Disliked Club)",
     "save_data - write staff disliked club failed"},
    {item_kind::history, "STAFF_HISTORIES", "STAFF_HISTORIES_ORIG_DATA",
     "load_data: Invalid format of file (staff histories)",
     "save_data - write staff history failed"},
    {item_kind::language, "STAFF_LANGUAGES", "STAFF_LANGUAGES_ORIG_DATA",
     "load_data: Invalid format of file (staff languages)",
     "save_data - write staff language failed"},
    {item_kind::ppm, "STAFF_PPM", "STAFF_PPM_ORIG_DATA",
     "load_data: Invalid format of file (staff ppms)", "save_data - write staff ppm failed"},
    {item_kind::non_player_history, "STAFF_NON_PLAYER_HISTORY",
     "STAFF_NON_PLAYER_HISTORY_ORIG_DATA",
     "load_data: Invalid format of file (staff non player histories)",
     "save_data - write staff history failed"},
    {item_kind::injury, "STAFF_INJURIES", "STAFF_INJURIES_ORIG_DATA",
     "load_data: Invalid format of file (staff injuries)", "save_data - write staff injury failed"},
    {item_kind::job, "STAFF_JOB", "STAFF_JOB_ORIG_DATA",
     "load_data: Invalid format of file (staff job)", "save_data - write staff job failed"},
    {item_kind::contract_clauses, "STAFF_CONTRACT_CLAUSES", "STAFF_CONTRACT_CLAUSES_ORIG_DATA",
     "load_data: Invalid format of file (staff contract clauses)",
     "save_data - write staff contract_clauses failed"},
    {item_kind::achievements, "STAFF_ACHIEVEMENTS", "STAFF_ACHIEVEMENTS_ORIG_DATA",
     "load_data: Invalid format of file (staff achievements)",
     "save_data - write staff achievements failed"},
    {item_kind::npt, "STAFF_NPT", "STAFF_NPT_ORIG_DATA",
     "load_data: Invalid format of file (staff npts)", "save_data - write staff npt failed"},
    {item_kind::days_at_club_nation, "STAFF_DAYS_AT_CLUB_NATION",
     "STAFF_DAYS_AT_CLUB_NATION_ORIG_DATA",
     "load_data: Invalid format of file (staff days at club/nation)",
     "save_data - write staff days_at_club_nation failed"},
    {item_kind::retirement, "STAFF_RETIREMENT", "STAFF_RETIREMENT_ORIG_DATA",
     "load_data: Invalid format of file (staff retirements)",
     "save_data - write staff retirement failed"},
    {item_kind::unavailability, "STAFF_UNAVAILABILITY", "STAFF_UNAVAILABILITY_ORIG_DATA",
     "load_data: Invalid format of file (staff unavailability)",
     "save_data - write staff unavailability failed"},
    {item_kind::long_term_career, "STAFF_LONG_TERM_CAREER", "STAFF_LONG_TERM_CAREER_ORIG_DATA",
     "load_data: Invalid format of file (staff long_term_career)",
     "save_data - write staff long_term_career failed"},
};
static_assert(std::size(infos) == item_kind_count);

template <item_kind Kind>
unzeroed_bytes append_new(record_store& records, bool original) {
  using vectors = item_vectors<Kind>;
  auto& target = original ? vectors::original(records) : vectors::current(records);
  unzeroed_bytes bytes;
  target.push_back(make_unzeroed_block_record<typename vectors::record>(records.blocks, bytes));
  return bytes;
}

using append_function = unzeroed_bytes (*)(record_store&, bool);

template <std::size_t... I>
constexpr std::array<append_function, item_kind_count> make_appenders(std::index_sequence<I...>) {
  return {&append_new<static_cast<item_kind>(I)>...};
}

constexpr auto appenders = make_appenders(std::make_index_sequence<item_kind_count>{});

}  // namespace

std::span<const item_kind_info> item_kind_infos() {
  return infos;
}

const item_kind_info& info_of(item_kind kind) {
  return infos[static_cast<std::size_t>(kind)];
}

unzeroed_bytes append_unzeroed_item(record_store& records, item_kind kind, bool original) {
  return appenders[static_cast<std::size_t>(kind)](records, original);
}

std::byte* append_new_item(record_store& records, item_kind kind, bool original) {
  const unzeroed_bytes item = append_unzeroed_item(records, kind, original);
  item.zero_fill();
  return item.bytes;
}
