#pragma once

#include <cstddef>
#include <cstdint>

// The seventeen lists of items a staff member has, in the order of their file sections.
enum class item_kind : std::uint8_t {
  favourite_staff,
  disliked_staff,
  favourite_club,
  disliked_club,
  history,
  language,
  ppm,
  non_player_history,
  injury,
  job,
  contract_clauses,
  achievements,
  npt,
  days_at_club_nation,
  retirement,
  unavailability,
  long_term_career,
};

inline constexpr std::size_t item_kind_count = 17;
