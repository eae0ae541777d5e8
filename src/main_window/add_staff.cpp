#include <QLabel>
#include <memory>

#include "analysis_views/go_to_control.h"
#include "main_window/main_window.h"
#include "platform/dialog_service.h"
#include "platform/owner_drawn_list_view.h"
#include "platform/win1252.h"
#include "record_form/editor_state.h"
#include "records/last_error.h"
#include "records/record_store.h"

namespace {

constexpr std::int32_t job_player = 11;  // "Player; 11"
constexpr std::int8_t classification_player = 2;

// A zero-filled record (every date text empty) of the file's club, as a player.
std::unique_ptr<qor_staff> make_new_staff(std::int32_t id) {
  auto staff = std::make_unique<qor_staff>();
  staff->StaffID = id;
  staff->StaffClubContracted = file_data().file_club_id;
  staff->StaffJobForClub = job_player;
  staff->StaffClassification = classification_player;
  return staff;
}

}  // namespace

void Tfrm_main::menu_newClick() {
  if (!commit_edits())
    return;
  const std::int32_t id = next_temporary_id(staff_kind);
  if (id < 0) {
    // Every temporary id is taken; a record without a unique id could not be told apart.
    show_error(get_last_error());
    return;
  }
  qor_staff* staff = store().staff_list.emplace_back(make_new_staff(id)).get();
  const int index = add_staff_to_list(list_box, staff);

  editor().original_staff = nullptr;
  editor().current_staff = staff;
  editor().current_staff_index = index;
  list_box->set_item_index(index);

  // The record is shown as a selected one is; with no original nothing shows as changed.
  show_current_staff();

  label_staff->setText(from_win1252(std::string(file_data().file_title.view()) + " Staff [New]"));
  set_status_panel(0, QString::number(list_box->count()) + from_win1252(" items"));
  if (list_box->count() == 1)
    set_staff_panel_enabled(true);
  // The user goes on by typing the new record's name.
  go_to_control(controls_.find("staff_first_name"));
}
