#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMainWindow>
#include <QStringListModel>
#include <memory>
#include <string>
#include <vector>

#include "../support/click_focus.h"
#include "form_test_support.h"
#include "platform/focus_tracker.h"
#include "platform/page_control.h"
#include "platform/win1252.h"
#include "real_pages_fixture.h"
#include "record_form/dependent_controls_install.h"
#include "record_form/editor_state.h"
#include "record_form/field_handlers.h"
#include "record_form/record_pages.h"
#include "record_form/staff_commit.h"
#include "records/lookup_lists.h"
#include "records/record_store.h"

// The real record pages in an active window, with the field checks and the field rules bound as
// the main window binds them, a shown staff record in the store, scripted dialogs and a fixed
// locale (',' between thousands, dd/mm/yyyy) and clock.
class field_rules_form : public ::testing::Test {
 protected:
  field_rules_form() : locale_(english_locale(), test_clock()) {
    saved_lookups_ = lookups();
    saved_editor_ = editor();
    std::swap(saved_staff_, store().staff_list);
    pc_staff = new page_control;
    pc_staff->setObjectName("pc_staff");
    window.setCentralWidget(pc_staff);
    window.resize(1320, 840);
    build_record_pages(pc_staff, controls);
    real_pages_fixture::fill_choice_lists(record_page_specs(), controls);
    set_choices("classification", {"Not set", "Non-player", "Player", "Non-player & Player"});
    lookups().jobs_list = {"Not set; 0", "Chairman; 1",        "Manager; 5",
                           "Player; 11", "Player/Manager; 12", "Player/Coach; 13",
                           "Physio; 16", "Player/Scout; 140"};
    set_choices("jobs_list", lookups().jobs_list);
    lookups().club_list = {"None;0;0;0;0;0", "Alder Town;1;2;3;4;7", "Birch Rovers;1;2;3;4;9"};
    set_choices("club_list", lookups().club_list);

    focus = new focus_tracker(&window);
    install_field_handlers(controls, *focus, [this](const QString& text) { help = text; });
    install_field_rules(controls, *focus, services());
    window.show();
    window.activateWindow();
    QApplication::setActiveWindow(&window);
    QApplication::processEvents();

    auto record =
        std::make_unique<qor_staff>(real_pages_fixture::fixture_staff(record_page_specs()));
    staff = record.get();
    staff->StaffClassification = 2;
    staff->StaffJobForClub = 11;
    staff->StaffClubContracted = 7;
    staff->StaffClubOnLoanTo = 0;
    store().staff_list.push_back(std::move(record));
    editor().current_staff = staff;
    editor().data_modified = false;
    show_staff();
  }

  ~field_rules_form() override {
    contract_fields() = {};
    form_views() = {};
    store().staff_list.clear();
    std::swap(saved_staff_, store().staff_list);
    editor() = saved_editor_;
    lookups() = saved_lookups_;
  }

  // The hooks of the rest of the window, counting their calls.
  field_rule_services services() {
    field_rule_services given;
    given.set_help = [this](const QString& text) { help = text; };
    given.clause_actions.delete_contract_clauses = [this] { ++clause_deletions; };
    given.clause_actions.count_next_sale_percentage_clauses = [this](std::int32_t) {
      return next_sale_clauses;
    };
    given.clause_actions.delete_next_sale_percentage_clauses = [this](std::int32_t id) {
      next_sale_deleted_for = id;
    };
    given.views.reputation_range_guide = [this](qor_staff* shown) {
      guided_reputation = shown->StaffPlayerCurrentReputation;
    };
    return given;
  }

  void set_choices(const char* list, const std::vector<std::string>& entries) {
    QStringList items;
    for (const std::string& entry : entries)
      items << from_win1252(entry);
    controls.choice_model(list)->setStringList(items);
  }

  // Fills the pages from the record, as showing it does.
  void show_staff() { fill_staff_fields(*staff, controls); }

  QLineEdit* edit(const char* name) { return controls.get<QLineEdit>(name); }
  QComboBox* combo(const char* name) { return controls.get<QComboBox>(name); }
  QAbstractButton* box(const char* name) { return controls.get<QAbstractButton>(name); }
  std::string text_of(const char* name) { return to_win1252(edit(name)->text()); }

  void focus_on(QWidget* control) { focus_as_by_click(control); }
  void focus_on(const char* name) { focus_on(controls.find(name)); }

  // Types a text into an edit the user is in.
  void type_into(const char* name, const char* text) {
    focus_on(name);
    // Over the whole text, as the user's own typing: the program's setText is no typing.
    QLineEdit* typed_into = edit(name);
    typed_into->selectAll();
    typed_into->insert(from_win1252(text));
  }

  // The user picks an item of a combo.
  void choose(const char* name, int index) {
    QComboBox* chosen = combo(name);
    chosen->setCurrentIndex(index);
    emit chosen->activated(index);
  }

  std::vector<QString> shown() const { return dialogs.shown_texts(); }

  scoped_app_locale locale_;
  scoped_scripted_dialogs dialogs;
  form_controls controls;
  QMainWindow window;
  page_control* pc_staff = nullptr;
  focus_tracker* focus = nullptr;
  qor_staff* staff = nullptr;

  QString help;
  int clause_deletions = 0;
  int next_sale_clauses = 0;
  std::int32_t next_sale_deleted_for = 0;
  int guided_reputation = -1;

 private:
  lookup_lists saved_lookups_;
  editor_state saved_editor_;
  record_vector<qor_staff> saved_staff_;
};
