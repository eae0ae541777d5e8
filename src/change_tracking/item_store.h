#pragma once

#include <cstdint>

#include "records/item_kind.h"
#include "records/record_store.h"

// Which record type and which pair of store vectors each item kind uses. Favourite and disliked
// kinds share a record type but keep vectors of their own.
template <item_kind Kind>
struct item_store;

#define DEFINE_ITEM_STORE(kind, type)                                          \
  template <>                                                                  \
  struct item_store<item_kind::kind> {                                         \
    using record = type;                                                       \
    static constexpr auto current = &record_store::staff_##kind##_list;        \
    static constexpr auto originals = &record_store::staff_##kind##_orig_list; \
  }

DEFINE_ITEM_STORE(favourite_staff, qor_staff_favourite_disliked_staff);
DEFINE_ITEM_STORE(disliked_staff, qor_staff_favourite_disliked_staff);
DEFINE_ITEM_STORE(favourite_club, qor_staff_favourite_disliked_club);
DEFINE_ITEM_STORE(disliked_club, qor_staff_favourite_disliked_club);
DEFINE_ITEM_STORE(history, qor_staff_history);
DEFINE_ITEM_STORE(language, qor_staff_language);
DEFINE_ITEM_STORE(ppm, qor_staff_ppm);
DEFINE_ITEM_STORE(non_player_history, qor_staff_non_player_history);
DEFINE_ITEM_STORE(injury, qor_staff_injury);
DEFINE_ITEM_STORE(job, qor_staff_job);
DEFINE_ITEM_STORE(contract_clauses, qor_staff_contract_clauses);
DEFINE_ITEM_STORE(achievements, qor_staff_achievements);
DEFINE_ITEM_STORE(npt, qor_staff_npt);
DEFINE_ITEM_STORE(days_at_club_nation, qor_staff_days_at_club_nation);
DEFINE_ITEM_STORE(retirement, qor_staff_retirement);
DEFINE_ITEM_STORE(unavailability, qor_staff_unavailability);
DEFINE_ITEM_STORE(long_term_career, qor_staff_long_term_career);

#undef DEFINE_ITEM_STORE

template <item_kind Kind>
using item_record = typename item_store<Kind>::record;
