#include "ability_views/formation_view.h"

#include <QComboBox>
#include <QLabel>
#include <QPixmap>
#include <string>

#include "platform/event_bindings.h"
#include "platform/jpeg_file.h"
#include "platform/picture_cache.h"
#include "platform/shape.h"
#include "record_form/editor_state.h"
#include "record_form/form_controls.h"
#include "records/program_paths.h"

namespace {

// By the list position of the formation, from 1.
constexpr std::string_view picture_files[] = {
    "img/formations/tolvan_5-3-2_SW.jpg",        "img/formations/tolvan_5-3-2.jpg",
    "img/formations/tolvan_4-4-2.jpg",           "img/formations/tolvan_4-3-3.jpg",
    "img/formations/tolvan_4-2-4.jpg",           "img/formations/tolvan_3-5-2.jpg",
    "img/formations/tolvan_4-1-2-1-2.jpg",       "img/formations/tolvan_4-5-1.jpg",
    "img/formations/tolvan_3-4-3.jpg",           "img/formations/tolvan_3-4-1-2.jpg",
    "img/formations/tolvan_3-4-2-1.jpg",         "img/formations/tolvan_4-3-2-1.jpg",
    "img/formations/tolvan_3-5-2_SW.jpg",        "img/formations/tolvan_4-3-1-2.jpg",
    "img/formations/tolvan_5-4-1.jpg",           "img/formations/tolvan_4-4-1-1.jpg",
    "img/formations/tolvan_4-4-2_SW.jpg",        "img/formations/tolvan_4-2-3-1.jpg",
    "img/formations/tolvan_4-1-3-1-1.jpg",       "img/formations/tolvan_4-1-3-2.jpg",
    "img/formations/tolvan_4-2-3-1_DK.jpg",      "img/formations/tolvan_4-4-2_DM.jpg",
    "img/formations/tolvan_4-5-1_DM.jpg",        "img/formations/tolvan_4-2-2-2_BRA.jpg",
    "img/formations/tolvan_4-4-2_DIA.jpg",       "img/formations/tolvan_3-1-3-1-2_norm.jpg",
    "img/formations/tolvan_4-1-2-3_ATT.jpg",     "img/formations/tolvan_4-1-2-2-1_NORM.jpg",
    "img/formations/tolvan_4-2_DM-2-2_NORM.jpg", "img/formations/tolvan_4-2_DM-3-1.jpg",
    "img/formations/tolvan_5-3-2_SCG.jpg",       "img/formations/tolvan_3-6-1.jpg",
    "img/formations/tolvan_4-1-4-1.jpg",         "img/formations/tolvan_4-2-2-1-1.jpg",
    "img/formations/tolvan_3-4-1-2_DM.jpg",
};

struct formation_display {
  const char* list;
  const char* picture;
  const char* frame;
};

// In the order a record shows them.
constexpr formation_display displays[] = {
    {"staff_np_preferred_formation", "formation_display_1", "formation_frame_1"},
    {"staff_np_preferred_second_formation", "formation_display_2", "formation_frame_2"},
    {"staff_np_preferred_attacking_formation", "formation_display_3", "formation_frame_3"},
    {"staff_np_preferred_defensive_formation", "formation_display_4", "formation_frame_4"},
};

}  // namespace

std::string_view formation_picture_file(int item_index) {
  if (item_index < 1 || item_index > static_cast<int>(std::size(picture_files)))
    return {};
  return picture_files[item_index - 1];
}

void display_formation(const QComboBox* list, QLabel* picture) {
  if (list == nullptr || picture == nullptr)
    return;
  const std::string_view file = formation_picture_file(list->currentIndex());
  if (file.empty()) {
    picture->setVisible(false);
    return;
  }
  const QImage image = read_picture_once(program_folder() / std::string(file), read_jpeg_file);
  if (image.isNull()) {
    picture->setVisible(false);
    return;
  }
  picture->setPixmap(QPixmap::fromImage(image));
  picture->setVisible(true);
}

void display_formations(form_controls& form) {
  for (const formation_display& display : displays)
    display_formation(form.get<QComboBox>(display.list), form.get<QLabel>(display.picture));
}

void install_formation_view(form_controls& form) {
  for (const formation_display& display : displays) {
    if (auto* frame = form.get<shape>(display.frame)) {
      frame->set_pen(clSilver, 1);
      frame->set_brush(clBtnFace, shape::brush_style::solid);
    }
    auto* picture = form.get<QLabel>(display.picture);
    auto* list = form.get<QComboBox>(display.list);
    if (picture == nullptr || list == nullptr)
      continue;
    picture->setScaledContents(true);
    on_combo_change(list, [list, picture] {
      if (editor().current_staff != nullptr)
        display_formation(list, picture);
    });
  }
}
