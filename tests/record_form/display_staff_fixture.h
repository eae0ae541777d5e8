#pragma once

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QStringListModel>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>

#include "form_test_support.h"
#include "platform/page_control.h"
#include "real_pages_fixture.h"
#include "record_form/editor_state.h"
#include "record_form/form_controls.h"
#include "record_form/item_selection.h"
#include "record_form/record_pages.h"
#include "records/program_paths.h"
#include "records/record_store.h"

// The real record pages in a page control named as the main window names it, the staff id and
// name line above them, choice lists of a few entries, an empty record store and a day-first
// English locale. Everything global is put back afterwards.
class display_staff_form : public ::testing::Test {
 protected:
  display_staff_form() : locale_(english_locale(), test_clock()) {
    saved_lookups_ = lookups();
    saved_program_folder_ = program_folder();
    // The skin-tone head is drawn from the program's own pictures.
    set_program_folder(std::filesystem::path(STAFF_EDITOR_SOURCE_DIR));
    reset_state();
    pc_staff.setObjectName("pc_staff");
    build_record_pages(&pc_staff, controls);
    auto* id = new QLineEdit(&name_line_);
    id->setObjectName("staff_id");
    auto* caption = new QLabel(&name_line_);
    caption->setObjectName("staff_id_label");
    controls.add(id);
    controls.add(caption);
    real_pages_fixture::fill_choice_lists(record_page_specs(), controls);
    // Lists that only the item panels read their codes from.
    for (std::vector<std::string>* list : {&lookups().club_comps_list, &lookups().nation_comps_list,
                                           &lookups().staff_history_draft_types_list}) {
      *list = real_pages_fixture::coded_entries;
    }
    controls.choice_model("classification")
        ->setStringList({"Not set", "Non-player", "Player", "Non-player & Player"});
    controls.choice_model("skin_colour_list")
        ->setStringList({"255;255;255;0", "255;232;214;1", "250;224;200;2"});
    // Languages are chosen by name, as nations are.
    QStringList languages;
    for (const std::string& name : real_pages_fixture::nation_entries)
      languages << QString::fromStdString(name);
    controls.choice_model("language_list")->setStringList(languages);
  }
  ~display_staff_form() override {
    reset_state();
    lookups() = saved_lookups_;
    set_program_folder(saved_program_folder_);
  }

  static void reset_state() {
    store() = record_store{};
    clear_item_selections();
    editor().data_modified = false;
    editor().filling_controls = false;
  }

  // A record whose every bound field holds a value its control can show.
  static qor_staff fixture_staff() {
    qor_staff staff = real_pages_fixture::fixture_staff(record_page_specs());
    staff.StaffClassification = 3;
    return staff;
  }

  QWidget* page(const char* name) { return controls.find(name); }
  bool page_visible(const char* name) {
    return pc_staff.isTabVisible(pc_staff.indexOf(page(name)));
  }
  QString active_page() { return pc_staff.currentWidget()->objectName(); }
  void make_active(const char* name) {
    pc_staff.set_active_page_index(pc_staff.indexOf(page(name)));
  }

  template <class Widget>
  Widget* control(const char* name) {
    auto* widget = controls.get<Widget>(name);
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }
  QString text_of(const char* name) { return control<QLineEdit>(name)->text(); }
  QString caption_of(const char* name) { return control<QLabel>(name)->text(); }

  scoped_app_locale locale_;
  scoped_scripted_dialogs dialogs;
  page_control pc_staff;
  form_controls controls;

 private:
  QWidget name_line_;
  lookup_lists saved_lookups_;
  std::filesystem::path saved_program_folder_;
};
