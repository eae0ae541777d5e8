// The recommended current ability of 10,000 generated players with the shipped weightings, each
// fitted to his current ability first as the weighted view does. Goal: under 1 s in all, so that
// a record's weighted view shows at once.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "ability/base_playing_data.h"
#include "ability/position_weightings.h"
#include "ability/staff_attributes.h"
#include "invented_players.h"
#include "records/program_paths.h"
#include "records/staff_record.h"

namespace {

// A small fixed generator, so every run weighs the same players.
class generator {
 public:
  int below(int bound) {
    state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
    return static_cast<int>((state_ >> 33) % static_cast<std::uint64_t>(bound));
  }

 private:
  std::uint64_t state_ = 20260101;
};

constexpr staff_byte ratings[] = {
    &qor_staff::StaffPlayerGoalkeeper,
    &qor_staff::StaffPlayerSweeper,
    &qor_staff::StaffPlayerDefenderLeftSide,
    &qor_staff::StaffPlayerDefenderCentral,
    &qor_staff::StaffPlayerDefenderRightSide,
    &qor_staff::StaffPlayerDefensiveMidfielderCentral,
    &qor_staff::StaffPlayerMidfielderLeftSide,
    &qor_staff::StaffPlayerMidfielderCentral,
    &qor_staff::StaffPlayerMidfielderRightSide,
    &qor_staff::StaffPlayerAttackingMidfielderLeftSide,
    &qor_staff::StaffPlayerAttackingMidfielderCentral,
    &qor_staff::StaffPlayerAttackingMidfielderRightSide,
    &qor_staff::StaffPlayerAttackerCentral,
    &qor_staff::StaffPlayerWingBackLeftSide,
    &qor_staff::StaffPlayerWingBackRightSide,
};

constexpr staff_byte attributes[] = {
    &qor_staff::StaffPlayerFinishing,  &qor_staff::StaffPlayerPassing,
    &qor_staff::StaffPlayerTackling,   &qor_staff::StaffPlayerMarking,
    &qor_staff::StaffPlayerHandling,   &qor_staff::StaffPlayerReflexes,
    &qor_staff::StaffPlayerPace,       &qor_staff::StaffPlayerStamina,
    &qor_staff::StaffPlayerDribbling,  &qor_staff::StaffPlayerCrossing,
    &qor_staff::StaffPlayerVision,     &qor_staff::StaffPlayerHeading,
    &qor_staff::StaffPlayerLeftFoot,   &qor_staff::StaffPlayerRightFoot,
    &qor_staff::StaffPlayerLeadership, &qor_staff::StaffPlayerVersatility,
};

// Players of one to three rated positions, one of them natural, with attributes 1 to 20.
std::vector<qor_staff> generated_players(int count) {
  generator random;
  std::vector<qor_staff> players;
  players.reserve(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) {
    qor_staff staff = invented_player(i + 1, 1 + random.below(200), 5 + random.below(11), {});
    const int rated = 1 + random.below(3);
    for (int r = 0; r < rated; ++r)
      staff.*ratings[random.below(15)] =
          static_cast<std::int8_t>(r == 0 ? 20 : 8 + random.below(13));
    for (staff_byte field : attributes)
      staff.*field = static_cast<std::int8_t>(1 + random.below(20));
    players.push_back(staff);
  }
  return players;
}

void recommended_current_ability_of_10000_players(benchmark::State& state) {
  set_program_folder(STAFF_EDITOR_SOURCE_DIR);
  POSITION_WEIGHTINGS table;
  if (!load_weightings(table, {})) {
    state.SkipWithError("the shipped weightings did not load");
    return;
  }
  const std::vector<qor_staff> players = generated_players(10000);
  for (auto _ : state) {
    long long sum = 0;
    for (const qor_staff& staff : players) {
      sum += fitted_playing_data(staff, table).recommended_current_ability(staff, table);
    }
    benchmark::DoNotOptimize(sum);
  }
}
BENCHMARK(recommended_current_ability_of_10000_players)->Unit(benchmark::kMillisecond);

}  // namespace
