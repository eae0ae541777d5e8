#include <gtest/gtest.h>
#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <QTabBar>
#include <QTabWidget>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "platform/win1252.h"
#include "record_form/form_controls.h"
#include "record_form/pages/page_specs.h"
#include "record_form/record_pages.h"
#include "records/item_records.h"
#include "records/staff_record.h"

namespace {

constexpr const char* page_captions[] = {"1. Pers",
                                         "2. Ctr",
                                         "3. Config",
                                         "4. Prefs",
                                         "5. Traits",
                                         "6. Coach",
                                         "7. Pos",
                                         "8. Player",
                                         "9. Player Preferred Actions",
                                         "10. History",
                                         "11. NP History",
                                         "12. Achievements",
                                         "13. Non Player Tendencies",
                                         "14. Long Term Career",
                                         "15. Check List"};

// Every control whose focus writes a help text into the status bar, page by page.
constexpr const char* help_controls[] = {
    // Staff tab, above the pages
    "staff_id", "sort_by_attribute", "sort_asc_btn", "sort_desc_btn",
    // 1. Pers, General
    "staff_first_name", "staff_second_name", "staff_full_name", "staff_nickname",
    "staff_common_name", "staff_date_of_birth", "staff_year_of_birth", "staff_marked_for_deletion",
    "staff_female", "staff_not_for_extraction", "staff_deceased_date",
    "staff_fa_registration_id_number", "staff_first_name_newgen_use_denied",
    "staff_first_name_nation", "staff_second_name_nation", "staff_second_name_newgen_use_denied",
    "staff_common_name_newgen_use_denied", "staff_first_name_local_region",
    "staff_second_name_local_region", "staff_first_name_ethnicity", "staff_second_name_ethnicity",
    "staff_kit_name",
    // 1. Pers, Nation
    "staff_international_full_debut_against_nation", "staff_international_full_debut_year",
    "staff_international_full_debut_date", "staff_u21_goals", "staff_u21_apps", "staff_int_goals",
    "staff_int_apps", "staff_nation", "staff_nation_declared", "staff_language",
    "staff_second_nation", "staff_second_nation_declared", "staff_third_nation",
    "staff_third_nation_declared", "staff_city_of_birth", "staff_language_type",
    "staff_language_language", "staff_local_region_of_birth", "staff_resident_nation",
    "staff_international_first_goal_year", "staff_international_first_goal_date",
    "staff_international_first_goal_against_nation", "staff_has_only_played_friendlies",
    // 1. Pers, Job
    "staff_job_job", "staff_job_rating", "staff_media_job", "staff_classification",
    // 1. Pers, Appearance
    "staff_skin_tone", "staff_hair_colour", "staff_ethnicity", "staff_pl_weight_description",
    "staff_pl_height_description", "staff_pl_weight_unit", "staff_pl_height_unit",
    "staff_pl_height_amount", "staff_pl_weight_amount",
    // 2. Ctr, Club Contract
    "radiobutton_staff_club_contract", "staff_club_estimated_wage_year",
    "staff_club_estimated_wage_month", "staff_club_estimated_wage", "staff_club_contract_expires",
    "staff_club_signed_last_contract", "staff_club_date_joined", "staff_club_co_owned_by",
    "staff_club_co_owned_by_percentage", "staff_club_contracted", "staff_club_job_for",
    "staff_contract_type", "staff_contract_length", "staff_club_contract_extension_option",
    "staff_contract_extension_end_date", "staff_mls_rights_expiration_date",
    "staff_mls_rights_club", "staff_draft_club", "staff_draft_year", "staff_draft_round",
    "staff_draft_pick", "staff_mls_guaranteed_deal", "staff_mls_team_option",
    "staff_mls_player_option", "staff_mls_discovery_player",
    "staff_mls_discovery_player_at_current_club", "staff_draft_type",
    "staff_contract_clauses_cash_currency", "staff_contract_clauses_club",
    "staff_contract_clauses_number", "staff_contract_clauses_loan_or_future",
    "staff_contract_clauses_type", "staff_contract_clauses_win_or_qualify", "staff_classification2",
    // 2. Ctr, Nation Contract
    "staff_nation_date_joined", "staff_nation_contract_expires", "staff_nation_job_for",
    "radiobutton_staff_nation_contract",
    // 3. Config
    "staff_club_loan_from", "staff_club_loan_until", "staff_pl_loan_squad_number",
    "staff_can_be_recalled", "staff_club_loan_buy_option", "staff_club_loan_buy_amount",
    "staff_loaning_club_wages_percentage", "staff_club_loan_to", "staff_loan_player_wages",
    "staff_injury_injury", "staff_injury_permanent", "staff_injury_injured_from",
    "staff_injury_injured_to", "staff_injury_severity", "staff_injury_future_permanent",
    "staff_injury_right_or_left", "staff_future_transfer_estimated_wage",
    "staff_future_transfer_fee", "staff_club_date_of_future_transfer_contract_end",
    "staff_club_date_of_future_transfer", "staff_future_transfer_estimated_wage_year",
    "staff_future_transfer_estimated_wage_month", "staff_future_transfer_job",
    "staff_club_future_transfer", "staff_retirement_date", "staff_unavailability_number_of_games",
    // 4. Prefs
    "staff_favourite_clubs", "staff_disliked_clubs", "staff_favourite_staff",
    "staff_disliked_staff", "staff_favourite_staff_rating", "staff_favourite_staff_staff_id",
    "staff_favourite_staff_staff", "staff_favourite_staff_reason", "staff_disliked_staff_rating",
    "staff_disliked_staff_staff_id", "staff_disliked_staff_staff", "staff_favourite_club_rating",
    "staff_favourite_club_club", "staff_favourite_club_reason", "staff_disliked_club_rating",
    "staff_disliked_club_club",
    // 5. Traits
    "staff_temperament", "staff_sportsmanship", "staff_professionalism", "staff_pressure",
    "staff_loyalty", "staff_determination", "staff_controversy", "staff_ambition",
    "staff_adaptability",
    // 6. Coach
    "staff_np_coaching_attacking", "staff_np_coaching_fitness", "staff_np_coaching_tactical",
    "staff_np_coaching_mental", "staff_np_coaching_defending", "staff_np_coaching_technical",
    "staff_np_coaching_gks", "staff_np_coaching_style", "staff_np_attacking", "staff_np_depth",
    "staff_np_directness", "staff_np_flamboyancy", "staff_np_flexibility", "staff_np_free_roles",
    "staff_np_marking", "staff_np_offside", "staff_np_pressing", "staff_np_sitting_back",
    "staff_np_tactics", "staff_np_tempo", "staff_np_use_of_playmaker", "staff_np_use_of_subs",
    "staff_np_width", "staff_np_team_tactical_focus", "staff_np_buying_players",
    "staff_np_discipline", "staff_np_hardness_of_training", "staff_np_judging_potential",
    "staff_np_judgement", "staff_np_man_handling", "staff_np_mind_games", "staff_np_squad_rotation",
    "staff_np_motivating", "staff_np_youngsters", "staff_np_dirtiness_allowance",
    "staff_np_business", "staff_np_interference", "staff_np_patience", "staff_np_resources",
    "staff_np_home_reputation", "staff_np_current_reputation", "staff_np_world_reputation",
    "staff_np_board_confidence", "staff_np_fans_confidence", "staff_np_current_ability",
    "staff_np_potential_ability", "staff_np_handles_media", "staff_np_physiotherapy",
    "staff_np_preferred_formation", "staff_np_preferred_second_formation",
    "staff_np_preferred_attacking_formation", "staff_np_preferred_defensive_formation",
    // 7. Pos
    "staff_pl_goalkeeper", "staff_pl_sweeper", "staff_pl_defender_central",
    "staff_pl_defender_right_side", "staff_pl_wing_back_right_side",
    "staff_pl_midfielder_right_side", "staff_pl_att_midfielder_right_side",
    "staff_pl_attacker_central", "staff_pl_att_midfielder_central", "staff_pl_midfielder_central",
    "staff_pl_def_midfielder_central", "staff_pl_wing_back_left_side",
    "staff_pl_defender_left_side", "staff_pl_midfielder_left_side",
    "staff_pl_att_midfielder_left_side", "staff_pl_squad_number", "staff_pl_current_reputation",
    "staff_pl_inc_1_1", "staff_pl_dec_1_1", "staff_pl_home_reputation", "staff_pl_world_reputation",
    "staff_pl_potential_ability", "staff_pl_current_ability", "staff_pl_fav_squad_number",
    "staff_pl_expected_potential_ability",
    // 8. Player
    "staff_pl_gk_aerial_ability", "staff_pl_gk_command_of_area", "staff_pl_gk_communication",
    "staff_pl_gk_eccentricity", "staff_pl_reflexes", "staff_pl_one_on_ones", "staff_pl_handling",
    "staff_pl_gk_kicking", "staff_pl_gk_throwing", "staff_pl_gk_tendency_to_punch_ball",
    "staff_pl_gk_rushing_out", "staff_pl_agility", "staff_pl_balance", "staff_pl_injury_proneness",
    "staff_pl_jumping", "staff_pl_natural_fitness", "staff_pl_pace", "staff_pl_stamina",
    "staff_pl_strength", "staff_pl_acceleration", "staff_pl_corners", "staff_pl_long_throws",
    "staff_pl_marking", "staff_pl_crossing", "staff_pl_long_shots", "staff_pl_heading",
    "staff_pl_free_kicks", "staff_pl_first_touch", "staff_pl_finishing", "staff_pl_dribbling",
    "staff_pl_passing", "staff_pl_penalties", "staff_pl_tackling", "staff_pl_technique",
    "staff_pl_versatility", "staff_pl_aggression", "staff_pl_anticipation", "staff_pl_bravery",
    "staff_pl_composure", "staff_pl_concentration", "staff_pl_consistency", "staff_pl_decisions",
    "staff_pl_dirtiness", "staff_pl_flair", "staff_pl_important_matches", "staff_pl_leadership",
    "staff_pl_movement", "staff_pl_positioning", "staff_pl_teamwork", "staff_pl_vision",
    "staff_pl_work_rate", "staff_pl_left_foot", "staff_pl_right_foot", "staff_pl_current_ability2",
    "staff_pl_recommended_current_ability_b",
    // 9. Player Preferred Actions
    "staff_ppm_move", "staff_ppm",
    // 10. History
    "staff_history_year_order", "staff_history_club", "staff_history_year", "staff_history_on_loan",
    "staff_history_apps", "staff_history_goals", "staff_history_date_joined",
    "staff_history_date_departed", "staff_history_fee_currency", "staff_history_youth_player",
    "staff_history_loan_fee_currency", "staff_history_player_exchange_involved",
    "staff_history_draft_allocations_involved", "staff_history_international_slots_involved",
    "staff_history_draft_type",
    // 11. NP History
    "staff_non_player_history_nation", "staff_non_player_history_date_joined",
    "staff_non_player_history_date_departed", "staff_non_player_history_club",
    "staff_non_player_history_job_for_club",
    // 12. Achievements
    "staff_achievements_placing",
    // 13. Non Player Tendencies
    "staff_npt", "staff_npt_tendency",
    // 14. Long Term Career
    "staff_long_term_career_type", "staff_long_term_career_job", "staff_long_term_career_scope"};

// Controls that blank the help text instead of showing one.
constexpr const char* blanking_controls[] = {
    "staff_coaching_qualification",   "staff_national_service_status",
    "staff_contract_clauses_order",   "staff_days_at_club_nation_type",
    "staff_days_at_club_nation_days", "staff_days_at_club_nation_stint",
    "staff_retirement_type",          "staff_unavailability_type",
    "staff_unavailability_date_from", "staff_unavailability_date_to"};

// The room left for the record pages in the 1320 x 840 window once the staff list, the
// splitter, the status bar, the page tabs, the name line and the sort panel have theirs.
constexpr int page_area_width = 1320 - 169 - 3;
constexpr int page_area_height = 840 - 160;

std::string without_accelerator(std::string_view caption) {
  std::string text(caption);
  std::erase(text, '&');
  return text;
}

std::vector<const page_spec*> all_specs() {
  static const page_spec staff_tab = staff_tab_page();
  std::vector<const page_spec*> specs;
  for (const page_spec& page : record_page_specs())
    specs.push_back(&page);
  specs.push_back(&staff_tab);
  return specs;
}

std::vector<const control_spec*> rows_named(std::string_view name) {
  std::vector<const control_spec*> rows;
  for (const page_spec* page : all_specs()) {
    for (const control_spec& row : page->controls) {
      if (name == row.name)
        rows.push_back(&row);
    }
  }
  return rows;
}

const control_spec& row_named(std::string_view name) {
  const std::vector<const control_spec*> rows = rows_named(name);
  if (rows.size() != 1)
    ADD_FAILURE() << name << " is not exactly one row";
  static const control_spec none{};
  return rows.empty() ? none : *rows.front();
}

class record_pages : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    controls_ = new form_controls;
    pc_staff_ = new QTabWidget;
    build_record_pages(pc_staff_, *controls_);
  }
  static void TearDownTestSuite() {
    delete pc_staff_;
    delete controls_;
  }

  static int widgets_named(const char* name) {
    return static_cast<int>(pc_staff_->findChildren<QWidget*>(QString::fromLatin1(name)).size());
  }

  static form_controls* controls_;
  static QTabWidget* pc_staff_;
};

form_controls* record_pages::controls_ = nullptr;
QTabWidget* record_pages::pc_staff_ = nullptr;

TEST_F(record_pages, the_fifteen_pages_stand_in_tab_order_with_their_captions) {
  const std::span<const page_spec> pages = record_page_specs();
  ASSERT_EQ(pages.size(), std::size(page_captions));
  ASSERT_EQ(pc_staff_->count(), static_cast<int>(pages.size()));
  for (std::size_t i = 0; i < pages.size(); ++i) {
    EXPECT_EQ(without_accelerator(pages[i].caption), page_captions[i]);
    EXPECT_EQ(pc_staff_->tabText(static_cast<int>(i)).remove('&').toStdString(), page_captions[i]);
    EXPECT_EQ(pc_staff_->widget(static_cast<int>(i))->objectName().toStdString(), pages[i].name);
  }
}

TEST_F(record_pages, every_container_control_and_label_is_built_once_under_its_name) {
  std::map<std::string, int> names;
  for (const page_spec& page : record_page_specs()) {
    ++names[page.name];
    for (const container_spec& container : page.containers)
      ++names[container.name];
    for (const control_spec& row : page.controls) {
      ++names[row.name];
      if (row.label_name != nullptr)
        ++names[row.label_name];
    }
  }
  for (const auto& [name, count] : names) {
    EXPECT_EQ(count, 1) << name << " is declared more than once";
    EXPECT_EQ(widgets_named(name.c_str()), 1) << name;
    EXPECT_NE(controls_->find(name), nullptr) << name << " is not registered";
  }
}

TEST_F(record_pages, every_help_control_exists_once_and_carries_its_text) {
  for (const char* name : help_controls) {
    const std::vector<const control_spec*> rows = rows_named(name);
    ASSERT_EQ(rows.size(), 1u) << name;
    ASSERT_NE(rows.front()->help, nullptr) << name;
    EXPECT_GT(std::string_view(rows.front()->help).size(), 0u) << name;
    EXPECT_LE(std::string_view(rows.front()->help).size(), 164u) << name;
  }
  for (const char* name : blanking_controls) {
    const control_spec& row = row_named(name);
    ASSERT_NE(row.help, nullptr) << name;
    EXPECT_STREQ(row.help, "") << name;
  }
}

TEST_F(record_pages, help_texts_keep_their_exact_bytes_and_shared_texts_agree) {
  EXPECT_STREQ(row_named("staff_loaning_club_wages_percentage").help,
               "the percentage of wages paid by the club that takes the player on loan, NOT the "
               "club that owns the player\x92s registration");
  EXPECT_STREQ(row_named("staff_np_attacking").help,
               "Extent to which he likes to use an attacking style of play. 20  = extremely "
               "attacking , 1 = ultra-defensive.");
  EXPECT_STREQ(row_named("staff_id").help, "The staff id number (Read Only).");
  EXPECT_STREQ(row_named("staff_first_name").help, "The person\x92s first name.");
  EXPECT_STREQ(row_named("staff_contract_clauses_type").help, "The contract clause type.");
  const std::pair<const char*, const char*> shared[] = {
      {"staff_classification", "staff_classification2"},
      {"staff_pl_current_ability", "staff_pl_current_ability2"},
      {"staff_history_fee_currency", "staff_history_loan_fee_currency"},
      {"staff_contract_clauses_loan_or_future", "staff_contract_clauses_win_or_qualify"},
      {"staff_future_transfer_fee", "staff_club_loan_buy_amount"},
  };
  for (const auto& [first, second] : shared) {
    EXPECT_STREQ(row_named(first).help, row_named(second).help) << first << " / " << second;
  }
}

bool is_text(const field_ref& field) {
  return field.type == value_type::text;
}
bool is_integer(const field_ref& field) {
  return field.type != value_type::none && field.type != value_type::text &&
         field.type != value_type::float32 && field.type != value_type::float64;
}

template <class... Records>
bool belongs_to_a_record(const field_ref& field) {
  return (field.belongs_to<Records>() || ...);
}

TEST_F(record_pages, every_bound_field_exists_and_suits_its_binding) {
  for (const page_spec* page : all_specs()) {
    for (const control_spec& row : page->controls) {
      const field_binding& binding = row.binding;
      if (binding.kind == binding_kind::none) {
        EXPECT_FALSE(binding.field.bound()) << row.name;
        continue;
      }
      SCOPED_TRACE(row.name);
      ASSERT_TRUE(binding.field.bound());
      EXPECT_TRUE((belongs_to_a_record<
                   qor_staff, qor_staff_favourite_disliked_staff, qor_staff_favourite_disliked_club,
                   qor_staff_history, qor_staff_language, qor_staff_ppm, qor_staff_npt,
                   qor_staff_non_player_history, qor_staff_injury, qor_staff_contract_clauses,
                   qor_staff_job, qor_staff_achievements, qor_staff_days_at_club_nation,
                   qor_staff_retirement, qor_staff_unavailability, qor_staff_long_term_career>(
          binding.field)));
      if (binding.companion.bound()) {
        EXPECT_EQ(binding.companion.owner, binding.field.owner);
        EXPECT_TRUE(is_integer(binding.companion));
      }
      switch (binding.kind) {
        case binding_kind::text:
        case binding_kind::money_text:
        case binding_kind::date_text:
        case binding_kind::name_combo:
          EXPECT_TRUE(is_text(binding.field));
          break;
        case binding_kind::flag:
          EXPECT_TRUE(is_text(binding.field));
          EXPECT_EQ(binding.field.capacity, 6);
          EXPECT_EQ(row.kind, control_kind::check_box);
          break;
        case binding_kind::decimal:
          EXPECT_TRUE(binding.field.type == value_type::float32 ||
                      binding.field.type == value_type::float64);
          break;
        case binding_kind::club_combo:
        case binding_kind::code_combo:
        case binding_kind::code_combo_tagged:
        case binding_kind::list_code_combo:
        case binding_kind::index_combo:
        case binding_kind::index_combo_direct:
          EXPECT_TRUE(is_integer(binding.field));
          EXPECT_EQ(row.kind, control_kind::combo);
          EXPECT_NE(row.choices, nullptr) << "a bound combo needs its choice list";
          break;
        case binding_kind::number:
        case binding_kind::money_number:
          EXPECT_TRUE(is_integer(binding.field));
          break;
        case binding_kind::none:
          break;
      }
      if (binding.kind == binding_kind::date_text) {
        EXPECT_EQ(row.kind, control_kind::date_edit);
      }
    }
  }
}

bool is_calendar_date(int yyyymmdd) {
  const int month = yyyymmdd / 100 % 100;
  const int day = yyyymmdd % 100;
  return yyyymmdd / 10000 >= 1800 && month >= 1 && month <= 12 && day >= 1 && day <= 31;
}

TEST_F(record_pages, every_checked_control_has_a_sound_range) {
  for (const page_spec* page : all_specs()) {
    for (const control_spec& row : page->controls) {
      if (row.check == check_kind::none || row.check == check_kind::staff_id)
        continue;
      SCOPED_TRACE(row.name);
      EXPECT_LT(row.min, row.max);
      if (row.check == check_kind::date_range) {
        EXPECT_EQ(row.kind, control_kind::date_edit);
        EXPECT_TRUE(is_calendar_date(row.min));
        EXPECT_TRUE(is_calendar_date(row.max));
      } else {
        EXPECT_EQ(row.kind, control_kind::edit);
      }
    }
  }
  // A few ranges the researchers rely on.
  EXPECT_EQ(row_named("staff_pl_pace").max, 20);
  EXPECT_EQ(row_named("staff_np_potential_ability").min, -10);
  EXPECT_EQ(row_named("staff_club_contract_extension_option").max, 4);
  EXPECT_EQ(row_named("staff_int_apps").check, check_kind::int_range_blank);
  EXPECT_EQ(row_named("staff_year_of_birth").check, check_kind::year_of_birth);
  EXPECT_EQ(row_named("staff_club_contract_expires").min, 20100101);
}

bool shows_something(QWidget* widget) {
  const QImage image = widget->grab().toImage();
  if (image.isNull())
    return false;
  const QRgb first = image.pixel(0, 0);
  for (int y = 0; y < image.height(); y += 3) {
    for (int x = 0; x < image.width(); x += 3) {
      if (image.pixel(x, y) != first)
        return true;
    }
  }
  return false;
}

// Shows the page, and each page of its inner tab widgets in turn, and checks what it needs.
void expect_page_fits(QTabWidget* pc_staff, int index) {
  pc_staff->setCurrentIndex(index);
  QApplication::processEvents();
  QWidget* page = pc_staff->widget(index);
  const std::string name = page->objectName().toStdString();
  const QSize room(page_area_width, page_area_height - pc_staff->tabBar()->height());
  QList<QTabWidget*> inner = page->findChildren<QTabWidget*>();
  if (inner.empty())
    inner.push_back(nullptr);
  for (QTabWidget* tabs : inner) {
    for (int sub = 0; sub < (tabs != nullptr ? tabs->count() : 1); ++sub) {
      if (tabs != nullptr) {
        tabs->setCurrentIndex(sub);
        QApplication::processEvents();
      }
      const QSize needed = page->minimumSizeHint();
      EXPECT_LE(needed.width(), room.width()) << name << " " << sub;
      EXPECT_LE(needed.height(), room.height()) << name << " " << sub;
      if (!record_page_specs()[index].controls.empty()) {
        EXPECT_TRUE(shows_something(page)) << name << " " << sub;
      }
    }
  }
}

TEST_F(record_pages, every_page_fits_the_window_and_draws) {
  pc_staff_->resize(page_area_width, page_area_height);
  pc_staff_->show();
  QApplication::processEvents();
  for (int i = 0; i < pc_staff_->count(); ++i)
    expect_page_fits(pc_staff_, i);
  const QSize whole = pc_staff_->minimumSizeHint();
  EXPECT_LE(whole.width(), page_area_width);
  EXPECT_LE(whole.height(), page_area_height);
  pc_staff_->hide();
}

}  // namespace
