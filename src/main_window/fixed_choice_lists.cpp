#include "main_window/fixed_choice_lists.h"

#include <QComboBox>
#include <QStringListModel>
#include <string>
#include <vector>

#include "platform/combo_helpers.h"
#include "platform/win1252.h"
#include "record_form/form_controls.h"
#include "records/staff_sort_attributes.h"

namespace {

constexpr const char* contract_length_texts[] = {"Not Set", "Weekly", "Monthly", "Yearly",
                                                 "Rolling"};
constexpr const char* weight_description_texts[] = {"Not set", "Skinny", "Slight",
                                                    "Average", "Stocky", "Overweight"};
constexpr const char* weight_unit_texts[] = {"Not set", "Stone", "Kilos", "Pounds"};
constexpr const char* height_description_texts[] = {"Not set", "Tiny", "Very short", "Short",
                                                    "Average", "Tall", "Very tall",  "Giant"};
constexpr const char* height_unit_texts[] = {"Not set", "Feet", "Metres"};
constexpr const char* national_service_texts[] = {"Not set", "Completed", "Ineligible"};
constexpr const char* days_at_club_nation_type_texts[] = {"Not set", "Club", "Nation"};
constexpr const char* preferred_central_position_texts[] = {"Not set",
                                                            "Right",
                                                            "Left",
                                                            "Right or Central in a Three",
                                                            "Left or Central in a Three",
                                                            "Central in a Three"};
constexpr const char* coaching_style_texts[] = {"Not set; 0", "General; 1",   "Goalkeeping; 2",
                                                "Fitness; 3", "Attacking; 4", "Defending; 5"};
constexpr const char* ethnicity_texts[] = {"Not Set",
                                           "Northern European",
                                           "Mediterranean/Hispanic",
                                           "North African/Middle Eastern",
                                           "African/Caribbean",
                                           "Asian",
                                           "South East Asian",
                                           "Pacific Islander",
                                           "Native American",
                                           "Native Australian",
                                           "Mixed Race (Black/White)",
                                           "East Asian"};
constexpr const char* hair_colour_texts[] = {"Not Set", "Blond", "Light Brown", "Dark Brown",
                                             "Red",     "Black", "Grey",        "Bald"};
constexpr const char* achievements_placing_texts[] = {
    "Not set", "Winner", "Runner-Up", "Third Place", "Fourth Place", "Playoff Winner"};
constexpr const char* promotion_or_relegation_texts[] = {"Not set", "Promoted", "Relegated"};
constexpr const char* coaching_qualification_texts[] = {
    "Not set", "Continental Pro License", "Continental A License", "Continental B License",
    "No Qualification"};
constexpr const char* continent_texts[] = {"Not set",       "Africa",  "Asia",         "Europe",
                                           "North America", "Oceania", "South America"};
constexpr const char* long_term_career_type_texts[] = {"Not set", "Wants to", "Does not want to"};
constexpr const char* long_term_career_scope_texts[] = {"Not set; 0", "Club; 1", "Nation; 2"};

// "Sportsmanship" stands twice and "Right_Foot" keeps its underscore: the averages page reads
// the selected position, so the texts and their order are fixed.
constexpr const char* average_attribute_texts[] = {"PlayerCurrentAbility",
                                                   "PlayerPotentialAbility",
                                                   "PlayerHomeReputation",
                                                   "PlayerCurrentReputation",
                                                   "PlayerWorldReputation",
                                                   "Physical Rating",
                                                   "Technical Rating",
                                                   "Pressure/Determination Rating",
                                                   "Sportsmanship",
                                                   "Acceleration",
                                                   "Aggression",
                                                   "Agility",
                                                   "Anticipation",
                                                   "Balance",
                                                   "Bravery",
                                                   "Composure",
                                                   "Concentration",
                                                   "Consistency",
                                                   "Corners",
                                                   "Crossing",
                                                   "Decisions",
                                                   "Dirtiness",
                                                   "Dribbling",
                                                   "Finishing",
                                                   "First Touch",
                                                   "Flair",
                                                   "Free Kicks",
                                                   "Heading",
                                                   "Important Matches",
                                                   "Injury Proneness",
                                                   "Jumping",
                                                   "Leadership",
                                                   "Left Foot",
                                                   "Long Shots",
                                                   "Long Throws",
                                                   "Marking",
                                                   "Movement",
                                                   "Natural Fitness",
                                                   "Pace",
                                                   "Passing",
                                                   "Penalties",
                                                   "Positioning",
                                                   "Right_Foot",
                                                   "Stamina",
                                                   "Strength",
                                                   "Tackling",
                                                   "Teamwork",
                                                   "Technique",
                                                   "Versatility",
                                                   "Vision",
                                                   "Workrate",
                                                   "Adaptability",
                                                   "Ambition",
                                                   "Controversy",
                                                   "Determination",
                                                   "Loyalty",
                                                   "Pressure",
                                                   "Professionalism",
                                                   "Sportsmanship",
                                                   "Temperament"};
static_assert(std::size(average_attribute_texts) == 60);

// The attribute combo shows the sort attribute table, which keeps its texts as std::string.
std::span<const char* const> sort_attribute_texts() {
  static const std::vector<const char*> texts = [] {
    std::vector<const char*> pointers;
    for (const std::string& name : staff_sort_attribute_names())
      pointers.push_back(name.c_str());
    return pointers;
  }();
  return texts;
}

struct fixed_choice_list {
  const char* control;
  const char* model;  // lists showing one table share its model
  std::span<const char* const> items;
};

// In the order the lists are filled.
std::vector<fixed_choice_list> fixed_choice_table() {
  return {
      {"staff_classification", "classification", classification_texts},
      {"staff_classification2", "classification", classification_texts},
      {"staff_contract_type", "contract_type", contract_type_texts},
      {"staff_contract_length", "contract_length", contract_length_texts},
      {"staff_media_job", "media_job", media_job_texts},
      {"staff_pl_weight_description", "weight_description", weight_description_texts},
      {"staff_pl_weight_unit", "weight_unit", weight_unit_texts},
      {"staff_pl_height_description", "height_description", height_description_texts},
      {"staff_pl_height_unit", "height_unit", height_unit_texts},
      {"staff_national_service_status", "national_service_status", national_service_texts},
      {"staff_days_at_club_nation_type", "days_at_club_nation_type",
       days_at_club_nation_type_texts},
      {"staff_pl_preferred_central_position", "preferred_central_position",
       preferred_central_position_texts},
      {"sort_by_attribute", "sort_attribute", sort_attribute_texts()},
      {"avg_attribute_var", "average_attribute", average_attribute_texts},
      {"staff_np_coaching_style", "coaching_style", coaching_style_texts},
      {"staff_ethnicity", "ethnicity", ethnicity_texts},
      {"staff_first_name_ethnicity", "ethnicity", ethnicity_texts},
      {"staff_second_name_ethnicity", "ethnicity", ethnicity_texts},
      {"staff_hair_colour", "hair_colour", hair_colour_texts},
      {"staff_achievements_placing", "achievements_placing", achievements_placing_texts},
      {"staff_achievements_promotion_or_relegation", "promotion_or_relegation",
       promotion_or_relegation_texts},
      {"staff_coaching_qualification", "coaching_qualification", coaching_qualification_texts},
      {"staff_long_term_career_continent", "continent", continent_texts},
      {"staff_long_term_career_type", "long_term_career_type", long_term_career_type_texts},
      {"staff_long_term_career_scope", "long_term_career_scope", long_term_career_scope_texts},
  };
}

}  // namespace

void fill_items_from_array(QComboBox* combo, std::span<const char* const> texts) {
  if (!combo)
    return;
  QStringList items;
  items.reserve(static_cast<qsizetype>(texts.size()));
  for (const char* text : texts)
    items.append(from_win1252(text));
  if (auto* model = qobject_cast<QStringListModel*>(combo->model())) {
    model->setStringList(items);
    return;
  }
  combo->clear();
  combo->addItems(items);
}

void fill_fixed_choice_lists(const combo_finder& find_combo, form_controls& controls) {
  for (const fixed_choice_list& list : fixed_choice_table()) {
    QComboBox* combo = find_combo(list.control);
    if (!combo)
      continue;
    QStringListModel* model = controls.choice_model(list.model);
    if (combo->model() != model)
      share_list_model(combo, model);
    fill_items_from_array(combo, list.items);
  }
}

std::span<const char* const> average_attribute_names() {
  return average_attribute_texts;
}
