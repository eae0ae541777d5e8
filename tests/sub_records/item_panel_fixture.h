#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMainWindow>
#include <QStringListModel>
#include <QTest>
#include <QVBoxLayout>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "../record_form/form_test_support.h"
#include "../record_form/real_pages_fixture.h"
#include "../support/click_focus.h"
#include "../support/user_typing.h"
#include "platform/focus_tracker.h"
#include "platform/owner_drawn_list_box.h"
#include "platform/page_control.h"
#include "platform/string_grid.h"
#include "platform/win1252.h"
#include "record_form/editor_state.h"
#include "record_form/field_handlers.h"
#include "record_form/form_controls.h"
#include "record_form/item_details.h"
#include "record_form/item_selection.h"
#include "record_form/record_pages.h"
#include "records/lookup_lists.h"
#include "records/record_store.h"
#include "sub_records/display_staff.h"
#include "sub_records/item_panel_handlers.h"

// How a test changes a panel field: as the user would.
enum class user_action { type, choose, click };

// The item a kind's panel shows.
template <item_kind Kind>
item_record<Kind>& shown() {
  return *selected_item<Kind>().current;
}

// The real record pages in an active window with the field checks and the item panel handlers
// bound as the main window binds them, small coded choice lists, an empty store, scripted
// dialogs and a day-first English locale at 14:05:09 on 3 July 2025. Global state is put back.
class item_panel_form : public ::testing::Test {
 protected:
  static constexpr std::int32_t shown_staff = 4711;
  static constexpr const char* stamp = "03/07/2025 14:05:09";

  item_panel_form() : locale_(english_locale(), test_clock()) {
    saved_lookups_ = lookups();
    saved_editor_ = editor();
    reset_state();
    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    pc_staff = new page_control;
    pc_staff->setObjectName("pc_staff");
    elsewhere = new QLineEdit;
    elsewhere->setObjectName("elsewhere");
    layout->addWidget(elsewhere);
    layout->addWidget(pc_staff);
    window.setCentralWidget(central);
    window.resize(1320, 840);
    build_record_pages(pc_staff, controls);
    real_pages_fixture::fill_choice_lists(record_page_specs(), controls);
    for (std::vector<std::string>* list :
         {&lookups().club_comps_list, &lookups().nation_comps_list,
          &lookups().staff_history_draft_types_list, &lookups().ppm_list, &lookups().npt_list,
          &lookups().favourite_staff_reason_list, &lookups().favourite_club_reason_list}) {
      *list = real_pages_fixture::coded_entries;
    }
    set_choices("staff_language_type",
                {"Mother Tongue", "Fluent", "Good", "Basic", "None", "Never", "Not Set"});
    set_choices("language_list", real_pages_fixture::nation_entries);

    focus = new focus_tracker(&window);
    install_field_handlers(controls, *focus, [this](const QString& text) { help = text; });
    install_item_panel_handlers(controls, *focus, [this](const QString& text) { help = text; });
    window.show();
    window.activateWindow();
    QApplication::setActiveWindow(&window);
    QApplication::processEvents();
    staff.StaffID = shown_staff;
  }

  ~item_panel_form() override {
    reset_state();
    editor() = saved_editor_;
    lookups() = saved_lookups_;
  }

  static void reset_state() {
    store() = record_store{};
    clear_item_selections();
    editor().data_modified = false;
    editor().filling_controls = false;
  }

  void set_choices(const char* list, const std::vector<std::string>& entries) {
    QStringList items;
    for (const std::string& entry : entries)
      items << from_win1252(entry);
    controls.choice_model(list)->setStringList(items);
  }

  // An item of the shown staff member whose every panel field holds a value its control can
  // show, with flags spelled "True" as the program writes them; exported unless told otherwise.
  template <item_kind Kind>
  item_record<Kind>& add_item(std::int32_t id, bool exported = true) {
    auto item = std::make_unique<item_record<Kind>>();
    std::memcpy(static_cast<void*>(item.get()), &id, sizeof id);
    std::memcpy(reinterpret_cast<char*>(item.get()) + sizeof id, &shown_staff, sizeof shown_staff);
    const std::string_view panel = item_panel_name(Kind);
    for (const page_spec& page : record_page_specs()) {
      for (const control_spec& row : page.controls) {
        if (row.container == nullptr || panel != row.container ||
            !row.binding.field.template belongs_to<item_record<Kind>>()) {
          continue;
        }
        real_pages_fixture::give_value(row, *item);
        if (row.binding.kind == binding_kind::flag)
          write_text(slot_of(row.binding.field, *item), "True");
      }
    }
    if constexpr (Kind == item_kind::language)
      item->StaffLanguagesType = 2;
    item->DateUpdated = "01/01/2020 10:00:00";
    if (exported) {
      (store().*item_store<Kind>::originals).push_back(std::make_unique<item_record<Kind>>(*item));
    }
    auto& items = store().*item_store<Kind>::current;
    items.push_back(std::move(item));
    return *items.back();
  }

  // Shows the staff member's lists with the first item of each kind selected.
  void show_items() { display_staff_item_lists(staff, controls); }

  QWidget* control(const char* name) {
    QWidget* widget = controls.find(name);
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }
  QLineEdit* edit(const char* name) { return qobject_cast<QLineEdit*>(control(name)); }
  QComboBox* combo(const char* name) { return qobject_cast<QComboBox*>(control(name)); }
  QAbstractButton* box(const char* name) { return qobject_cast<QAbstractButton*>(control(name)); }

  // Brings the control's page to the front and gives it the focus, as a click would; the
  // control left runs its exit handler.
  void focus_on(QWidget* target) { focus_as_by_click(target); }
  void focus_on(const char* name) { focus_on(control(name)); }
  void leave() { focus_on(elsewhere); }

  // The user types into an edit and leaves it.
  void type_into(const char* name, const char* text) {
    focus_on(name);
    type_over(edit(name), from_win1252(text));
    leave();
  }
  // The user picks an item of a combo.
  void choose(const char* name, int index) {
    QComboBox* chosen = combo(name);
    chosen->setCurrentIndex(index);
    emit chosen->activated(index);
  }
  // A mouse click on a list box entry or a grid row; the focus moves to the list as the mouse
  // is pressed.
  static void click_list_entry(QWidget* list, int entry) {
    if (auto* grid = qobject_cast<string_grid*>(list)) {
      QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                        grid->visualRect(grid->model()->index(entry, 0)).center());
    } else {
      auto* box = static_cast<owner_drawn_list_box*>(list);
      QTest::mouseClick(box->viewport(), Qt::LeftButton, {},
                        box->visualItemRect(box->item(entry)).center());
    }
  }
  // The user types `typed` into an edit and leaves it, picks entry `chosen` of a combo, or clicks
  // a box.
  void act(const char* name, user_action action, const char* typed, int chosen) {
    switch (action) {
      case user_action::type:
        type_into(name, typed);
        break;
      case user_action::choose:
        choose(name, chosen);
        break;
      case user_action::click:
        box(name)->click();
        break;
    }
  }

  scoped_app_locale locale_;
  scoped_scripted_dialogs dialogs;
  form_controls controls;
  QMainWindow window;
  page_control* pc_staff = nullptr;
  QLineEdit* elsewhere = nullptr;
  focus_tracker* focus = nullptr;
  qor_staff staff;
  QString help;

 private:
  lookup_lists saved_lookups_;
  editor_state saved_editor_;
};
