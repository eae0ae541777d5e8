// The ability model: how much each attribute matters for a player, fitting the attributes to a
// current ability and the current ability the attributes call for. Built without contraction of
// multiply and add so the figures are the same everywhere.
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>

#include "ability/base_playing_data.h"
#include "ability/position_weightings.h"
#include "ability/staff_attributes.h"
#include "ability/vector_registers.h"

namespace {

enum line : std::uint8_t {
  goalkeeper_line,
  sweeper_line,
  defence_line,
  defensive_midfield_and_wing_back_line,
  midfield_line,
  attacking_midfield_line,
  striker_line,
  line_count
};
enum side : std::uint8_t { left_side, centre_side, right_side, side_count, no_side = side_count };

struct position_constants {
  double default_foot_weight;
  line line_when_rated;
  side side_when_rated;
};

// By playing position (GK, SW, DL, DC, DR, DMC, ML, MC, MR, AML, AMC, AMR, ST, WBL, WBR).
constexpr position_constants positions[MAX_PLAYING_POSITION_INDICES] = {
    {2.5, goalkeeper_line, no_side},
    {3.5, sweeper_line, centre_side},
    {3.0, defence_line, left_side},
    {3.5, defence_line, centre_side},
    {3.0, defence_line, right_side},
    {3.5, defensive_midfield_and_wing_back_line, centre_side},
    {3.75, midfield_line, left_side},
    {4.25, midfield_line, centre_side},
    {3.75, midfield_line, right_side},
    {3.75, attacking_midfield_line, left_side},
    {4.5, attacking_midfield_line, centre_side},
    {3.75, attacking_midfield_line, right_side},
    {4.75, striker_line, centre_side},
    {3.0, defensive_midfield_and_wing_back_line, left_side},
    {3.0, defensive_midfield_and_wing_back_line, right_side},
};

constexpr int left_foot_index = 50;
constexpr int right_foot_index = 51;
constexpr int no_previous_step = -1000;
constexpr int fit_passes = 1000;
constexpr int recommendation_passes = 100;
// How far beyond the tolerance an attribute may lie before it weighs in again, and how much.
constexpr double tolerance_factor = 3.75;

struct marks {
  bool lines[line_count] = {};
  bool sides[side_count] = {};
};

int spread_score(int rating_sum, const marks& marked) {
  const auto on = [&marked](line l) { return marked.lines[l]; };
  const int lines =
      static_cast<int>(std::count(std::begin(marked.lines), std::end(marked.lines), true));
  const int sides =
      static_cast<int>(std::count(std::begin(marked.sides), std::end(marked.sides), true));
  const int mid =
      on(defensive_midfield_and_wing_back_line) + on(midfield_line) + on(attacking_midfield_line);
  int score = rating_sum / 2 + 5 * sides + 5 * lines;
  if (mid > 1)
    score -= 10;
  if (on(sweeper_line) && marked.sides[centre_side] && on(defence_line))
    score -= 10;
  if (marked.sides[left_side] || marked.sides[right_side])
    score -= 5;
  const bool back = on(sweeper_line) || on(defence_line);
  int groups = on(goalkeeper_line) + back + (mid > 0) + on(striker_line);
  if (on(goalkeeper_line) && groups >= 2)
    groups += 2;
  if (back && on(striker_line))
    groups += 1;
  if (on(defensive_midfield_and_wing_back_line) && on(attacking_midfield_line))
    groups = std::max(groups, 2);
  if (groups > 1)
    score += (groups - 1) * (groups - 1) * (5 * sides + 2 * lines + 5);
  return std::clamp(score - 40, 0, 100);
}

// The mean of the curve weights that are not 0, times the tolerance factor.
double tolerance_of(const BASE_PLAYING_DATA::attribute_weights& weights) {
  double sum = 0.0;
  int count = 0;
  for (const attribute_weight& weight : weights) {
    if (weight.curve != 0.0) {
      sum += weight.curve;
      ++count;
    }
  }
  return count == 0 ? 0.0 : sum / count * tolerance_factor;
}

// The largest step of a pass: 5 for passes up to 9, one less every ten passes, at least 1.
int largest_step(int pass) {
  return std::clamp(5 - pass / 10, 1, 5);
}

int sign_of(int value) {
  return value < 0 ? -1 : 1;
}

// Damps a step against the one before, so that the search settles instead of swinging. True
// when the step merely reverses a step of one, which the fit answers by moving fewer entries.
bool damp_step(int& step, int previous) {
  if (step == 0 || previous == no_previous_step)
    return false;
  bool reversed_by_one = false;
  if (std::abs(step - previous) > 5 && (step > 1 || step < -1))
    step /= 2;
  if (std::abs(step) > std::abs(previous))
    step = sign_of(step) * std::abs(previous);
  if (step == -previous) {
    if (std::abs(step) == 1)
      reversed_by_one = true;
    else
      step -= sign_of(step);
  }
  if ((previous > 0 && step > previous) || (previous < 0 && step < previous))
    step = previous;
  return reversed_by_one;
}

// Weighted sum and weight sum of the working values that have a weight, with the excess and
// shortfall beyond the tolerance folded into the sum.
struct weighted_level {
  double weighted_sum = 0.0;
  double weight_sum = 0.0;
};

// Adds how far a weighted difference from the target lies beyond the tolerance, above or below.
void add_beyond_tolerance(double difference, double tolerance, double& excess, double& shortfall) {
  if (difference > tolerance)
    excess += difference - tolerance;
  if (difference < -tolerance)
    shortfall += -difference - tolerance;
}

weighted_level weigh(const std::int16_t (&values)[BASE_PLAYING_DATA::size],
                     const BASE_PLAYING_DATA::attribute_weights& weights, double target,
                     double tolerance) {
  weighted_level level;
  double excess = 0.0;
  double shortfall = 0.0;
  for (int i = 0; i < BASE_PLAYING_DATA::size; ++i) {
    const double w = weights[i].curve;
    if (w == 0.0)
      continue;
    level.weighted_sum += values[i] * w;
    level.weight_sum += w;
    add_beyond_tolerance((values[i] - target) * w / 5.0, tolerance, excess, shortfall);
  }
  level.weighted_sum += (excess - shortfall) * tolerance_factor;
  return level;
}

// The entries a recommendation weighs, the set ones with a weight, in block order. Their values
// stay the same from pass to pass, and so do their weighted sum and weight sum; only the excess
// and shortfall beyond the tolerance move with the target, so only they are added up again on
// each pass, in the same order, to the same figures.
class recommendation_terms {
 public:
  recommendation_terms(const std::int16_t (&values)[BASE_PLAYING_DATA::size],
                       const BASE_PLAYING_DATA::attribute_weights& weights) {
    for (int i = 0; i < BASE_PLAYING_DATA::size; ++i) {
      const double w = weights[i].curve;
      if (w == 0.0 || values[i] == 0)
        continue;
      terms_[count_++] = {values[i], w};
      weighted_sum_ += values[i] * w;
      weight_sum_ += w;
    }
  }

  // The sums for the target; the excess and shortfall only `with_tolerance`.
  weighted_level at(double target, double tolerance, bool with_tolerance) const {
    weighted_level level{weighted_sum_, weight_sum_};
    double excess = 0.0;
    double shortfall = 0.0;
    if (with_tolerance) {
      for (int i = 0; i < count_; ++i) {
        add_beyond_tolerance((terms_[i].value - target) * terms_[i].weight / 5.0, tolerance, excess,
                             shortfall);
      }
    }
    level.weighted_sum += (excess - shortfall) * tolerance_factor;
    return level;
  }

 private:
  struct term {
    int value;
    double weight;
  };
  std::array<term, BASE_PLAYING_DATA::size> terms_{};
  int count_ = 0;
  double weighted_sum_ = 0.0;
  double weight_sum_ = 0.0;
};

// What a step moves an entry by: the feet a tenth, leadership, bravery and versatility half.
int step_for_entry(int index, int step) {
  switch (index) {
    case left_foot_index:
    case right_foot_index:
      return step / 10;
    case 66:
    case 69:
    case 75:
      return step / 2;
    default:
      return step;
  }
}

// The step of a fit's pass toward the target before the pass's limits: the difference rounded
// half away from zero.
int rounded_step(const weighted_level& sums, double target) {
  const double level = sums.weighted_sum == 0.0 || sums.weight_sum == 0.0
                           ? 0.0
                           : sums.weighted_sum / sums.weight_sum;
  const double difference = target - level;
  return static_cast<std::int16_t>(difference < 0.0 ? difference - 0.5 : difference + 0.5);
}

// What every pass of a fit works with: the weights, the target level and the tolerance.
struct fit_setup {
  BASE_PLAYING_DATA::attribute_weights weights;
  int spread = 0;
  double target = 0.0;
  double tolerance = 0.0;
};

fit_setup prepare_fit(const BASE_PLAYING_DATA& block, int ability,
                      const POSITION_WEIGHTINGS& weightings) {
  fit_setup setup;
  block.calculate_base_playing_data(setup.weights, &setup.spread, weightings);
  ability = std::clamp(ability, 1, 200);
  const int effective_ability = ability - std::min(setup.spread / 3, ability / 4);
  setup.target = BASE_PLAYING_DATA::expected_attribute_for_ability(effective_ability) * 5.0;
  setup.tolerance = tolerance_of(setup.weights);
  return setup;
}

// What a fit does to the block's feet: the first pass moves every weighed entry or the fit
// ends there, and a step of at most 5 moves a foot by a tenth of it, nothing; so that pass only
// brings a weighed foot within 1 to 100, and later passes change it no more. True when a foot
// changed.
bool fit_feet(BASE_PLAYING_DATA& block, const fit_setup& setup) {
  std::int16_t values[BASE_PLAYING_DATA::size];
  for (int i = 0; i < BASE_PLAYING_DATA::size; ++i)
    values[i] = static_cast<std::int16_t>(block.raw_value(i));
  if (rounded_step(weigh(values, setup.weights, setup.target, setup.tolerance), setup.target) == 0)
    return false;
  bool changed = false;
  for (const int foot : {left_foot_index, right_foot_index}) {
    const int kept = std::clamp<int>(values[foot], 1, 100);
    if (setup.weights[foot].curve != 0.0 && kept != values[foot]) {
      block.set_playing_data_value(foot, kept);
      changed = true;
    }
  }
  return changed;
}

// The recommended current ability of the record from the weights and spread score of a block's
// ratings and feet.
int recommend(const qor_staff& staff, const BASE_PLAYING_DATA::attribute_weights& weights,
              int spread) {
  std::int16_t values[BASE_PLAYING_DATA::size];
  for (int i = 0; i < BASE_PLAYING_DATA::size; ++i)
    values[i] = static_cast<std::int16_t>(get_staff_attribute(staff, i) * 5);
  const double tolerance = tolerance_of(weights);
  const recommendation_terms terms(values, weights);

  int candidate = 0;
  int previous = no_previous_step;
  for (int pass = 0; pass < recommendation_passes; ++pass) {
    double target = 0.0;
    if (candidate > 0) {
      const int effective = candidate - std::min(spread / 3, candidate / 4);
      target = BASE_PLAYING_DATA::expected_attribute_for_ability(effective) * 5.0;
    }
    const weighted_level sums = terms.at(target, tolerance, candidate > 0);
    if (sums.weight_sum == 0.0)
      return candidate;
    const double level = sums.weighted_sum / sums.weight_sum;
    if (candidate == 0) {
      // The first estimate inverts the target formula. Attributes too weak for any ability
      // give an estimate of 0 or less: no ability is recommended.
      candidate = static_cast<int>((level / 5.0 - 6.0) * 20.0);
      if (candidate <= 0)
        return 0;
      continue;
    }
    double x = target - level;
    x += x >= 0.0 ? 0.5 : -0.5;
    int step = static_cast<int>(x);
    if (x > 0.0 && step == 0)
      step = 1;
    step = std::clamp(step, -largest_step(pass), largest_step(pass));
    damp_step(step, previous);
    if (step == 0)
      return candidate;
    previous = step;
    candidate += step > 0 ? -1 : 1;
  }
  return candidate;
}

}  // namespace

void BASE_PLAYING_DATA::calculate_base_playing_data(attribute_weights& weights, int* spread,
                                                    const POSITION_WEIGHTINGS& weightings) const {
  weights.fill({});
  int rating_sum = 0;
  marks marked;
  for (int p = 0; p < MAX_PLAYING_POSITION_INDICES; ++p) {
    const int r = get_playing_data_value(playing_position_rating_index(p));
    if (r < 10)
      continue;
    const position_constants& position = positions[p];
    if (r >= 15) {
      marked.lines[position.line_when_rated] = true;
      if (position.side_when_rated != no_side)
        marked.sides[position.side_when_rated] = true;
    }
    rating_sum += r - 10;
    for (int a = first_attribute_index; a < size; ++a) {
      double w = weightings.get_weighting(p, a);
      if (w == 0.0) {
        // A foot without a weight of its own counts with the position's default, except the
        // perfect one: the weaker foot is what limits a player.
        if (a == left_foot_index) {
          if (raw_value(left_foot_index) == 100 && raw_value(right_foot_index) < 100)
            continue;
          w = position.default_foot_weight;
        } else if (a == right_foot_index) {
          if (raw_value(right_foot_index) == 100)
            continue;
          w = position.default_foot_weight;
        } else {
          continue;
        }
      }
      weights[a].weight += (r - 10) * w * 0.1;
    }
  }
  for (attribute_weight& row : weights) {
    if (rating_sum > 10)
      row.weight /= rating_sum * 0.1;
    const double w = row.weight;
    row.curve = w > 1.0 ? (w * w + w) * 0.5 : w;
    row.square = w > 1.0 ? w * w : w;
  }
  if (spread != nullptr)
    *spread = spread_score(rating_sum, marked);
}

void BASE_PLAYING_DATA::fit_attributes_to_ability(int ability,
                                                  const POSITION_WEIGHTINGS& weightings,
                                                  std::int32_t staff_id) {
  release_wide_vector_registers();  // the passes below are plain floating point throughout
  const fit_setup setup = prepare_fit(*this, ability, weightings);
  const attribute_weights& weights = setup.weights;
  std::int16_t values[size];
  for (int i = 0; i < size; ++i)
    values[i] = static_cast<std::int16_t>(raw_value(i));

  int previous = no_previous_step;
  int step = 0;
  for (int pass = 1; pass <= fit_passes; ++pass) {
    const weighted_level sums = weigh(values, weights, setup.target, setup.tolerance);
    step = std::clamp(rounded_step(sums, setup.target), -largest_step(pass), largest_step(pass));
    int modulus = 0;
    if (damp_step(step, previous))
      modulus = static_cast<int>((pass + static_cast<long long>(sums.weighted_sum)) % 4) + 2;
    if (step == 0)
      break;
    previous = step;
    for (int i = 0; i < size; ++i) {
      if (weights[i].curve == 0.0)
        continue;
      // Near the end the steps swing by one; moving only some entries lets the level settle.
      if (modulus != 0 && (static_cast<long long>(staff_id) - i) % modulus != i % modulus)
        continue;
      values[i] =
          static_cast<std::int16_t>(std::clamp(values[i] + step_for_entry(i, step), 1, 100));
    }
  }
  // Every value starts as its entry and stays within 1 to 100 once moved: stored once at the end.
  for (int i = 0; i < size; ++i)
    set_playing_data_value(i, values[i]);
  MODEL_ASSERT(abs(step) < 2);
}

int BASE_PLAYING_DATA::recommended_current_ability(const qor_staff& staff,
                                                   const POSITION_WEIGHTINGS& weightings) const {
  release_wide_vector_registers();
  attribute_weights weights;
  int spread = 0;
  calculate_base_playing_data(weights, &spread, weightings);
  return recommend(staff, weights, spread);
}

int BASE_PLAYING_DATA::recommended_current_ability_when_fitted(
    const qor_staff& staff, int ability, const POSITION_WEIGHTINGS& weightings) const {
  release_wide_vector_registers();
  const fit_setup setup = prepare_fit(*this, ability, weightings);
  BASE_PLAYING_DATA fitted = *this;
  // Feet the fit leaves as they are leave the weights as they are.
  if (!fit_feet(fitted, setup))
    return recommend(staff, setup.weights, setup.spread);
  return fitted.recommended_current_ability(staff, weightings);
}

float BASE_PLAYING_DATA::weighted_attribute_value(const POSITION_WEIGHTINGS& weightings,
                                                  int index) const {
  if (index < 0 || index >= size)
    return 0.0F;
  attribute_weights weights;
  calculate_base_playing_data(weights, nullptr, weightings);
  return static_cast<float>(weights[index].curve);
}

void BASE_PLAYING_DATA::scale_attributes_to_100() {
  for (int i = first_attribute_index; i < size; ++i)
    set_playing_data_value(i, raw_value(i) * 5);
}

int BASE_PLAYING_DATA::attribute_display_value(int index, bool to_20, bool clamp) const {
  if (is_position_rating_index(index))
    return raw_value(index);
  if (to_20)
    return std::max(1, attribute_to_20_scale(get_playing_data_value(index)));
  if (clamp)
    return get_playing_data_value(index);
  return raw_value(index);
}

double BASE_PLAYING_DATA::expected_attribute_for_ability(int ability) {
  return ability * 0.05 + 6.0;
}

int BASE_PLAYING_DATA::attribute_to_20_scale(int value) {
  return std::clamp(static_cast<int>((value + 2) * 0.2), 1, 20);
}
