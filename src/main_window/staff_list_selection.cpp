#include <QAction>
#include <QLabel>

#include "ability_views/weighted_attributes.h"
#include "analysis_views/check_list_page.h"
#include "analysis_views/group_means_form.h"
#include "analysis_views/reputation_guide_view.h"
#include "change_highlight/label_highlighting.h"
#include "change_tracking/change_predicates.h"
#include "change_tracking/originals.h"
#include "main_window/main_window.h"
#include "main_window/staff_list_texts.h"
#include "platform/dialog_service.h"
#include "platform/owner_drawn_list_view.h"
#include "platform/page_control.h"
#include "platform/win1252.h"
#include "record_form/editor_state.h"
#include "records/staff_record.h"
#include "sub_records/display_staff.h"

namespace {

constexpr int analysis_page_index = 1;

// Keeps a widget from repainting for a scope, whichever way the scope ends.
class repaint_suspended {
 public:
  explicit repaint_suspended(QWidget* widget) : widget_(widget) {
    widget_->setUpdatesEnabled(false);
  }
  ~repaint_suspended() { widget_->setUpdatesEnabled(true); }
  repaint_suspended(const repaint_suspended&) = delete;
  repaint_suspended& operator=(const repaint_suspended&) = delete;

 private:
  QWidget* widget_;
};

}  // namespace

void Tfrm_main::connect_staff_list() {
  list_box->set_click_handler([this] { list_boxClick(); });
  list_box->set_double_click_handler([this] { list_boxDblClick(); });
  list_box->set_key_down_handler([this](int key) { list_boxKeyDown(key); });
  list_box->set_draw_handler(
      [this](QPainter& painter, int index, const QRect& rect, bool selected) {
        list_boxDrawItem(painter, index, rect, selected);
      });
  list_box->set_measure_handler(
      [this](int index) {
        int height = 0;
        list_boxMeasureItem(index, height);
        return height;
      },
      [this](QStringView text) { return list_box_entry_width(text); });
  pc_staff->set_changing_handler([this] {
    bool allow = true;
    pc_staffChanging(allow);
    return allow;
  });
  pc_staff->set_change_handler([this] { pc_staffChange(); });
}

int Tfrm_main::staff_entry_index(const qor_staff* staff) const {
  if (staff == nullptr)
    return -1;
  for (int index = 0; index < list_box->count(); ++index) {
    if (entry_object<qor_staff>(list_box, index) == staff)
      return index;
  }
  return -1;
}

void Tfrm_main::relabel_staff_entry(const qor_staff* staff) {
  // Found by its record: a sort since the record was chosen may have moved its entry.
  const int index = staff_entry_index(staff);
  if (index < 0)
    return;
  std::string text = staff_relabel_text(*staff);
  if (list_sorted || list_shows_attribute)
    text += staff_attribute_suffix(*staff, sort_attribute);
  list_box->set_entry_text(index, from_win1252(cut_entry_text(text)));
}

void Tfrm_main::show_current_staff() {
  display_staff(editor().current_staff, controls_);
  highlight_staff_changes(controls_, editor().current_staff, editor().original_staff);
  calculate_all_group_means(controls_);
  // The weighted view follows only a switch (list_boxClick), not Add staff.
  reputation_range_guide(editor().current_staff, controls_);
}

void Tfrm_main::list_boxClick() {
  const int index = list_box->item_index();
  if (index < 0)
    return;
  if (main_page_control->active_page_index() == analysis_page_index) {
    main_page_control->set_active_page_index(main_page_control->indexOf(staff_tab));
    pc_staff->set_active_page_index(0);
  }
  editor_state& state = editor();
  auto* chosen = entry_object<qor_staff>(list_box, index);
  if (chosen == nullptr || chosen == state.current_staff)
    return;
  if (state.current_staff != nullptr && !state.filling_controls && !leave_current_staff()) {
    // Refused or the user stays: the record on screen stays selected, nothing is committed.
    list_box->set_item_index(staff_entry_index(state.current_staff));
    return;
  }
  {
    repaint_suspended frozen(list_box);
    state.current_staff = chosen;
    state.original_staff = find_original_staff(chosen);
    label_staff->setText(
        from_win1252(staff_heading_text(*chosen, state.original_staff != nullptr,
                                        file_data().file_club_id, file_data().file_title.view())));
    state.current_staff_index = index;
    show_current_staff();
    update_weighted_attributes(state.current_staff, controls_);
    update_checklist(controls_);
  }
  set_status_panel(2, QString());
}

void Tfrm_main::list_boxDblClick() {
  const qor_staff* staff = editor().current_staff;
  if (staff == nullptr)
    return;
  const std::string message =
      staff_state_message(*staff, staff_changed(staff), find_original_staff(staff) != nullptr,
                          file_data().file_club_id);
  if (!message.empty())
    show_information(message);
}

void Tfrm_main::list_boxKeyDown(int key) {
  // Insert adds a staff record through Edit > Add staff.., which acts only while it is enabled.
  if (key == Qt::Key_Insert)
    menu_new->trigger();
}

void Tfrm_main::pc_staffChanging(bool& AllowChange) {
  AllowChange = !editor().filling_controls;
}

void Tfrm_main::pc_staffChange() {
  update_checklist(controls_);
}
