#include "ability_views/weighted_attributes.h"

#include <QLabel>
#include <QLineEdit>
#include <algorithm>
#include <array>
#include <charconv>
#include <string>
#include <string_view>

#include "ability/base_playing_data.h"
#include "ability/position_weightings.h"
#include "ability/staff_attributes.h"
#include "record_form/editor_state.h"
#include "record_form/form_controls.h"
#include "record_form/staff_commit.h"
#include "records/staff_record.h"

namespace {

constexpr std::string_view physical = "gb_physical_attributes";
constexpr std::string_view technical = "gb_technical_attributes";
constexpr std::string_view mental = "gb_mental_attributes";
constexpr std::string_view goalkeeping = "gb_gk_attributes";
constexpr std::string_view feet = "gb_pref_foot_attributes";

constexpr weighted_attribute attributes[] = {
    {"acceleration", physical.data(), 60},
    {"agility", physical.data(), 72},
    {"balance", physical.data(), 68},
    {"injury_proneness", physical.data(), 74},
    {"jumping", physical.data(), 65},
    {"natural_fitness", physical.data(), 76},
    {"pace", physical.data(), 64},
    {"stamina", physical.data(), 63},
    {"strength", physical.data(), 62},
    {"corners", technical.data(), 53},
    {"crossing", technical.data(), 25},
    {"dribbling", technical.data(), 26},
    {"finishing", technical.data(), 27},
    {"first_touch", technical.data(), 48},
    {"free_kicks", technical.data(), 61},
    {"heading", technical.data(), 28},
    {"long_shots", technical.data(), 29},
    {"long_throws", technical.data(), 56},
    {"marking", technical.data(), 30},
    {"passing", technical.data(), 32},
    {"penalties", technical.data(), 33},
    {"tackling", technical.data(), 34},
    {"technique", technical.data(), 49},
    {"versatility", technical.data(), 75},
    {"aggression", mental.data(), 71},
    {"anticipation", mental.data(), 43},
    {"bravery", mental.data(), 69},
    {"composure", mental.data(), 78},
    {"concentration", mental.data(), 79},
    {"consistency", mental.data(), 70},
    {"decisions", mental.data(), 44},
    {"dirtiness", mental.data(), 67},
    {"flair", mental.data(), 52},
    {"important_matches", mental.data(), 73},
    {"leadership", mental.data(), 66},
    {"movement", mental.data(), 31},
    {"positioning", mental.data(), 46},
    {"teamwork", mental.data(), 54},
    {"vision", mental.data(), 35},
    {"work_rate", mental.data(), 55},
    {"gk_aerial_ability", goalkeeping.data(), 37},
    {"gk_command_of_area", goalkeeping.data(), 38},
    {"gk_communication", goalkeeping.data(), 39},
    {"gk_eccentricity", goalkeeping.data(), 57},
    {"handling", goalkeeping.data(), 36},
    {"gk_kicking", goalkeeping.data(), 40},
    {"one_on_ones", goalkeeping.data(), 45},
    {"reflexes", goalkeeping.data(), 47},
    {"gk_rushing_out", goalkeeping.data(), 58},
    {"gk_tendency_to_punch_ball", goalkeeping.data(), 59},
    {"gk_throwing", goalkeeping.data(), 41},
    {"left_foot", feet.data(), 50},
    {"right_foot", feet.data(), 51},
};

// The technical attributes a goalkeeper's view still shows fitted.
constexpr std::string_view goalkeeper_technical[] = {"first_touch", "passing", "heading",
                                                     "technique"};

constexpr const char* recommended_ability_edit = "staff_pl_recommended_current_ability_b";

std::string control_name(const weighted_attribute& attribute, std::string_view suffix) {
  std::string name = "staff_pl_";
  name += attribute.stem;
  name += suffix;
  return name;
}

// "%3.2lf": two decimals, '.' whatever the locale, at least three characters.
QString weight_text(float weight) {
  std::array<char, 64> digits{};
  const auto end = std::to_chars(digits.data(), digits.data() + digits.size(),
                                 static_cast<double>(weight), std::chars_format::fixed, 2)
                       .ptr;
  return QString::fromLatin1(digits.data(), static_cast<int>(end - digits.data()))
      .rightJustified(3);
}

void set_text(form_controls& form, const std::string& name, const QString& text) {
  if (auto* edit = form.get<QLineEdit>(name))
    edit->setText(text);
}

bool shown_for(const weighted_attribute& attribute, bool goalkeeper) {
  const std::string_view group = attribute.group;
  if (group == goalkeeping)
    return goalkeeper;
  if (group == technical && goalkeeper) {
    return std::find(std::begin(goalkeeper_technical), std::end(goalkeeper_technical),
                     std::string_view(attribute.stem)) != std::end(goalkeeper_technical);
  }
  return true;
}

int rated_positions(const qor_staff& record) {
  const BASE_PLAYING_DATA block = playing_data_from_staff(record);
  int count = 0;
  for (int position = 0; position < MAX_PLAYING_POSITION_INDICES; ++position) {
    if (block.raw_value(BASE_PLAYING_DATA::playing_position_rating_index(position)) > 0)
      ++count;
  }
  return count;
}

}  // namespace

std::span<const weighted_attribute> weighted_attributes() {
  return attributes;
}

void update_weighted_attributes(const qor_staff* record, form_controls& form) {
  qor_staff* on_screen = editor().current_staff;
  if (record == nullptr || on_screen == nullptr)
    return;
  apply_staff(on_screen, form);

  const BASE_PLAYING_DATA block = fitted_playing_data(*record, weightings());
  for (const weighted_attribute& attribute : attributes) {
    // An attribute left to chance has no fitted value, whatever the fit made of it.
    const bool unset = get_staff_attribute(*record, attribute.index) == 0;
    set_text(form, control_name(attribute, "_w"),
             unset ? QString()
                   : QString::number(block.attribute_display_value(attribute.index, true, false)));
  }
  const bool shown = record->StaffPlayerCurrentAbility != 0 && rated_positions(*record) > 0;
  view_weighted_attributes(form, shown, shown && record->StaffPlayerGoalkeeper == 20);

  set_text(form, recommended_ability_edit,
           QString::number(block.recommended_current_ability(*record, weightings())));
  for (const weighted_attribute& attribute : attributes) {
    if (auto* label = form.get<QLabel>(control_name(attribute, "_weighting")))
      label->setText(weight_text(block.weighted_attribute_value(weightings(), attribute.index)));
  }
}

void view_weighted_attributes(form_controls& form, bool show, bool goalkeeper) {
  for (const weighted_attribute& attribute : attributes) {
    if (auto* edit = form.get<QLineEdit>(control_name(attribute, "_w")))
      edit->setVisible(show && shown_for(attribute, goalkeeper));
  }
  if (auto* edit = form.get<QLineEdit>(recommended_ability_edit))
    edit->setVisible(show);
}
