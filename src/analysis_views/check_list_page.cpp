#include "analysis_views/check_list_page.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <optional>

#include "analysis/check_list_facts.h"
#include "analysis_views/check_list_fields.h"
#include "analysis_views/check_list_markers.h"
#include "analysis_views/marker_icons.h"
#include "platform/event_bindings.h"
#include "platform/owner_drawn_list_box.h"
#include "record_form/editor_state.h"
#include "record_form/form_controls.h"
#include "record_form/grid_text.h"
#include "record_form/staff_commit.h"

namespace {

constexpr const char* check_list_box = "check_list_lb";

struct group_count {
  const char* edit;
  const char* group;
};

// The attribute groups whose empty edits are counted.
constexpr group_count attribute_counts[] = {
    {"checklist_no_of_mssing_technical", "gb_technical_attributes"},
    {"checklist_no_of_mssing_mental_atrib", "gb_mental_attributes"},
    {"checklist_no_of_mssing_physical", "gb_physical_attributes"},
    {"checklist_no_of_mssing_gk", "gb_gk_attributes"},
    {"checklist_no_of_missing_np_general", "gb_np_general"},
    {"checklist_no_of_missing_np_coach", "gb_np_coaching"},
    {"checklist_no_of_missing_np_tactical", "gb_np_tactical"},
    {"checklist_no_of_missing_np_non_tactical", "gb_np_non_tactical"},
};
constexpr const char* trait_count = "checklist_no_of_mssing_mental";
constexpr const char* position_count = "checklist_filled_in_pos";
constexpr const char* positions_panel = "positions_panel";

struct item_count {
  const char* edit;
  int (*count)(std::int32_t staff_id);
};

template <auto List>
int items_of(std::int32_t staff_id) {
  return count_staff_items(store().*List, staff_id);
}

constexpr item_count item_counts[] = {
    {"checklist_no_of_fav_staff", items_of<&record_store::staff_favourite_staff_list>},
    {"checklist_no_of_dis_staff", items_of<&record_store::staff_disliked_staff_list>},
    {"checklist_no_of_fav_club", items_of<&record_store::staff_favourite_club_list>},
    {"checklist_no_of_dis_club", items_of<&record_store::staff_disliked_club_list>},
    {"checklist_no_of_contract_clauses", items_of<&record_store::staff_contract_clauses_list>},
    {"checklist_no_of_ppms", items_of<&record_store::staff_ppm_list>},
    {"checklist_no_of_npts", items_of<&record_store::staff_npt_list>},
    {"checklist_no_of_achievements", items_of<&record_store::staff_achievements_list>},
    {"checklist_no_of_injuries", items_of<&record_store::staff_injury_list>},
};

// The groups shown for each classification (player, player and non-player, non-player).
struct classification_groups {
  bool player_stats;
  bool non_player_stats;
};

std::optional<classification_groups> groups_for(int classification) {
  switch (classification) {
    case 1:
      return classification_groups{false, true};
    case 2:
      return classification_groups{true, false};
    case 3:
      return classification_groups{true, true};
    default:
      return std::nullopt;
  }
}

constexpr const char* player_groups[] = {"check_list_player_stats_group", "check_list_ppm_group",
                                         "check_list_player_positions_group"};
constexpr const char* non_player_groups[] = {"check_list_non_player_stats_group",
                                             "check_list_npt_group"};

struct list_button {
  const char* button;
  const char* group;
  bool plain_prefix;  // list trait names without "staff_"
};

constexpr list_button list_buttons[] = {
    {"chklist_tech_btn", "gb_technical_attributes", false},
    {"chklist_ment_btn", "gb_mental_attributes", false},
    {"chklist_phys_btn", "gb_physical_attributes", false},
    {"chklist_gk_btn", "gb_gk_attributes", false},
    {"chklist_np_gen_btn", "gb_np_general", false},
    {"chklist_np_coach_btn", "gb_np_coaching", false},
    {"chklist_np_tact_btn", "gb_np_tactical", false},
    {"chklist_np_non_tact_btn", "gb_np_non_tactical", false},
    {"chklist_mental_btn", "gb_mental_traits", true},
};

void set_text(form_controls& form, const char* edit, const std::string& text) {
  if (auto* control = form.get<QLineEdit>(edit))
    control->setText(QString::fromStdString(text));
}

bool check_list_is_active(const form_controls& form) {
  const auto* pages = form.get<QTabWidget>("pc_staff");
  return pages != nullptr && pages->currentWidget() != nullptr &&
         pages->currentWidget() == form.find("TabSheet1");
}

void write_group_counts(form_controls& form) {
  set_text(form, trait_count, count_empty_mental_trait_edits(form));
  for (const group_count& entry : attribute_counts)
    set_text(form, entry.edit, count_empty_attribute_edits(form, entry.group));
  set_text(form, position_count, count_filled_position_edits(form, positions_panel));
}

void show_groups(form_controls& form, int classification) {
  const auto shown = groups_for(classification);
  if (!shown)
    return;
  for (const char* group : player_groups) {
    if (QWidget* box = form.find(group))
      box->setVisible(shown->player_stats);
  }
  for (const char* group : non_player_groups) {
    if (QWidget* box = form.find(group))
      box->setVisible(shown->non_player_stats);
  }
}

// Read once, when the page is first refreshed.
struct check_list_icons {
  std::optional<marker_icons> icons;
};

const marker_icons& icons_of(form_controls& form) {
  auto& held = form.attached<check_list_icons>();
  if (!held.icons)
    held.icons = load_marker_icons();
  return *held.icons;
}

}  // namespace

void update_checklist(form_controls& form) {
  qor_staff* staff = editor().current_staff;
  if (staff == nullptr)
    return;
  if (auto* list = form.get<QListWidget>(check_list_box))
    list->clear();
  if (!check_list_is_active(form))
    return;
  write_group_counts(form);
  apply_staff(staff, form);
  const marker_icons& icons = icons_of(form);
  for (const item_count& entry : item_counts)
    set_text(form, entry.edit, std::to_string(entry.count(staff->StaffID)));
  set_check_list_markers(*staff, form, icons);
  show_groups(form, staff->StaffClassification);
}

void install_check_list(form_controls& form) {
  auto* list = form.get<owner_drawn_list_box>(check_list_box);
  if (list == nullptr)
    return;
  QFont link = list->font();
  link.setUnderline(true);
  list->setFont(link);
  QPalette blue = list->palette();
  blue.setColor(QPalette::Text, Qt::blue);
  list->setPalette(blue);
  list->setCursor(Qt::PointingHandCursor);
  list->set_double_click_handler([list] { go_to_control_in_list_box(list); });

  for (const list_button& entry : list_buttons) {
    if (auto* button = form.get<QPushButton>(entry.button)) {
      on_button_click(button, [&form, list, entry] {
        list_empty_attribute_edits(form, entry.group, list, entry.plain_prefix);
      });
    }
  }
  if (auto* button = form.get<QPushButton>("chklist_pl_pos_btn"))
    on_button_click(button, [&form, list] { list_position_ratings(form, positions_panel, list); });
  if (auto* button = form.get<QPushButton>("Button1"))
    on_button_click(button, [list] { list_box_copy(list); });
  bind_check_list_markers(form);
}
