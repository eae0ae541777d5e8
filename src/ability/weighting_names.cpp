#include "weighting_names.h"

#include <algorithm>
#include <array>

namespace {

// No name sets the feet (50, 51) or the unused entries 42 and 77.
constexpr std::array<weighting_attribute_name, 51> attribute_names = {{
    {"Acceleration", 60},   {"Agility", 72},
    {"Balance", 68},        {"Injury Proneness", 74},
    {"Jumping", 65},        {"Natural Fitness", 76},
    {"Pace", 64},           {"Stamina", 63},
    {"Strength", 62},       {"Corners", 53},
    {"Crossing", 25},       {"Dribbling", 26},
    {"Finishing", 27},      {"First Touch", 48},
    {"Free Kicks", 61},     {"Heading", 28},
    {"Long Shots", 29},     {"Long Throws", 56},
    {"Marking", 30},        {"Passing", 32},
    {"Penalties", 33},      {"Tackling", 34},
    {"Technique", 49},      {"Versatility", 75},
    {"Aggression", 71},     {"Anticipation", 43},
    {"Bravery", 69},        {"Composure", 78},
    {"Concentration", 79},  {"Consistency", 70},
    {"Decisions", 44},      {"Dirtiness", 67},
    {"Flair", 52},          {"Important Matches", 73},
    {"Leadership", 66},     {"Movement", 31},
    {"Positioning", 46},    {"Teamwork", 54},
    {"Vision", 35},         {"Workrate", 55},
    {"Aerial Ability", 37}, {"Command of Area", 38},
    {"Communication", 39},  {"Eccentricity", 57},
    {"Handling", 36},       {"Kicking", 40},
    {"One on ones", 45},    {"Reflexes", 47},
    {"Rushing Out", 58},    {"Tendency to punch ball", 59},
    {"Throwing", 41},
}};

// The "RL" codes set the left position first, then the right one.
constexpr std::array<weighting_position_code, 11> position_codes = {{
    {"GK", 0, -1},
    {"SW", 1, -1},
    {"D RL", 2, 4},
    {"DC", 3, -1},
    {"DM C", 5, -1},
    {"M RL", 6, 8},
    {"M C", 7, -1},
    {"AM RL", 9, 11},
    {"AM C", 10, -1},
    {"ST", 12, -1},
    {"WB RL", 13, 14},
}};

}  // namespace

std::span<const weighting_attribute_name> weighting_attribute_names() {
  return attribute_names;
}

std::span<const weighting_position_code> weighting_position_codes() {
  return position_codes;
}

int weighting_attribute_index(std::string_view name) {
  const auto found = std::find_if(attribute_names.begin(), attribute_names.end(),
                                  [name](const auto& entry) { return entry.name == name; });
  return found == attribute_names.end() ? -1 : found->index;
}

const weighting_position_code* find_weighting_position_code(std::string_view code) {
  const auto found = std::find_if(position_codes.begin(), position_codes.end(),
                                  [code](const auto& entry) { return entry.code == code; });
  return found == position_codes.end() ? nullptr : &*found;
}
