#include "main_window/find_club_name_form.h"

#include <gtest/gtest.h>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <fstream>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "main_window/find_club_buttons.h"
#include "platform/win1252.h"
#include "record_form/form_controls.h"
#include "records/lookup_lists.h"
#include "records/program_paths.h"
#include "window_test_support.h"

namespace fs = std::filesystem;

namespace {

using dialog_kind = scripted_dialog_service::dialog_kind;

const std::vector<std::string> club_lines = {
    "None;0;0;0;0;0",
    "Cwm United;2;4;10;16;12",
    "Harbour UNITED Rovers;1;3;9;14;1007",
    "Lowfield Athletic;2;5;12;18;1018",
    "",
    "Caf\xE9 Olympique;1;2;8;15;1023",
};

// The listed lines as the user sees them.
std::vector<std::string> listed(const Tfrm_find_club_name& picker) {
  std::vector<std::string> lines;
  for (int row = 0; row < picker.club_name_list_box->count(); ++row)
    lines.push_back(to_win1252(picker.club_name_list_box->item(row)->text()));
  return lines;
}

void select_row(Tfrm_find_club_name& picker, int row) {
  picker.club_name_list_box->setCurrentRow(row);
}

Tfrm_find_club_name& as_picker(QDialog& form) {
  return static_cast<Tfrm_find_club_name&>(form);
}

class club_picker : public testing::Test {
 protected:
  club_picker() {
    fs::create_directories(folder.path() / "data");
    std::ofstream file(folder.path() / "data" / "club_list.txt", std::ios::binary);
    for (const std::string& line : club_lines)
      file << line << "\r\n";
    file.close();
    set_program_folder(folder.path());
  }

  window_test_environment environment;
  temporary_folder folder;
  scripted_dialog_service& dialogs = environment.dialogs;
};

TEST_F(club_picker, opening_lists_every_club_line_and_their_number) {
  Tfrm_find_club_name picker;
  EXPECT_EQ(picker.objectName(), "frm_find_club_name");
  EXPECT_EQ(picker.windowTitle(), "frm_find_club_name");
  EXPECT_TRUE(picker.result_count->text().isEmpty());
  std::vector<std::string> seen;
  QString count;
  dialogs.queue_form_script([&](QDialog& form) {
    seen = listed(as_picker(form));
    count = as_picker(form).result_count->text();
    as_picker(form).cancel_btn->click();
  });
  EXPECT_EQ(execute_find_club_name(&picker), 0);
  // The empty line is left out.
  EXPECT_EQ(seen, (std::vector<std::string>{club_lines[0], club_lines[1], club_lines[2],
                                            club_lines[3], club_lines[5]}));
  EXPECT_EQ(count, "5");
  ASSERT_EQ(dialogs.shown().size(), 1u);
  EXPECT_EQ(dialogs.last().kind, dialog_kind::modal_form);
  EXPECT_EQ(dialogs.last().text, "frm_find_club_name");
  EXPECT_TRUE(dialogs.all_as_scripted());
}

TEST_F(club_picker, filter_matches_anywhere_in_the_line_in_any_case) {
  struct filter_case {
    const char* typed;  // Windows-1252
    std::vector<std::string> lines;
  };
  const filter_case cases[] = {
      {"united", {club_lines[1], club_lines[2]}},
      {"UnItEd RoV", {club_lines[2]}},
      // The numbers match too: the club whose id is 12 and every line holding 12.
      {"12", {club_lines[1], club_lines[3]}},
      {"CAF\xC9", {club_lines[5]}},
      {"caf\xE9", {club_lines[5]}},
      {"nobody", {}},
  };
  Tfrm_find_club_name picker;
  picker.reset_for_opening();
  for (const filter_case& c : cases) {
    picker.filter_edit_box->setText(from_win1252(c.typed));
    EXPECT_EQ(listed(picker), c.lines) << c.typed;
    EXPECT_EQ(picker.result_count->text(), QString::number(c.lines.size())) << c.typed;
  }
  picker.filter_edit_box->clear();
  EXPECT_EQ(picker.result_count->text(), "5");
}

TEST_F(club_picker, ok_without_a_selection_warns_and_stays_open_then_picks) {
  Tfrm_find_club_name picker;
  int result_after_warning = -1;
  dialogs.queue_form_script([&](QDialog& form) {
    Tfrm_find_club_name& p = as_picker(form);
    p.filter_edit_box->setText("harbour");
    p.ok_btn->click();
    result_after_warning = p.result();
    select_row(p, 0);
    p.ok_btn->click();
  });
  EXPECT_EQ(execute_find_club_name(&picker), 1007);
  EXPECT_EQ(result_after_warning, QDialog::Rejected);
  EXPECT_EQ(picker.result(), QDialog::Accepted);
  ASSERT_EQ(dialogs.shown().size(), 2u);
  EXPECT_EQ(dialogs.shown()[1].type, message_type::warning);
  EXPECT_EQ(dialogs.shown()[1].buttons, message_buttons::ok);
  EXPECT_EQ(dialogs.shown()[1].text, "Please select a club from the list");
}

TEST_F(club_picker, double_click_picks_the_selected_line_and_closes) {
  Tfrm_find_club_name picker;
  dialogs.queue_form_script([](QDialog& form) {
    Tfrm_find_club_name& p = as_picker(form);
    p.filter_edit_box->setText("athletic");
    select_row(p, 0);
    emit p.club_name_list_box->itemDoubleClicked(p.club_name_list_box->item(0));
  });
  EXPECT_EQ(execute_find_club_name(&picker), 1018);
  EXPECT_EQ(picker.result(), QDialog::Accepted);
  EXPECT_EQ(dialogs.shown().size(), 1u);
}

// Enter picks the selected line, from the list as from the filter, OK being the default button;
// Escape closes the dialog picking nothing, also with a line selected.
TEST_F(club_picker, enter_picks_the_selected_line_and_escape_cancels) {
  struct key_case {
    Qt::Key key;
    bool in_filter;
    std::int32_t picked;
  };
  const key_case cases[] = {
      {Qt::Key_Return, false, 1018},
      {Qt::Key_Enter, true, 1018},
      {Qt::Key_Escape, false, 0},
      {Qt::Key_Escape, true, 0},
  };
  Tfrm_find_club_name picker;
  for (const key_case& c : cases) {
    bool closed = false;
    dialogs.queue_form_script([&](QDialog& form) {
      Tfrm_find_club_name& p = as_picker(form);
      p.show();
      p.filter_edit_box->setText("athletic");
      select_row(p, 0);
      QWidget* focused = c.in_filter ? static_cast<QWidget*>(p.filter_edit_box)
                                     : static_cast<QWidget*>(p.club_name_list_box);
      focused->setFocus();
      QTest::keyClick(focused, c.key, c.key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
      closed = !p.isVisible();
    });
    EXPECT_EQ(execute_find_club_name(&picker), c.picked) << c.key << " " << c.in_filter;
    EXPECT_TRUE(closed) << c.key << " " << c.in_filter;
  }
  EXPECT_EQ(dialogs.shown().size(), 4u);
}

TEST_F(club_picker, double_click_without_a_selection_does_nothing) {
  Tfrm_find_club_name picker;
  dialogs.queue_form_script([](QDialog& form) { as_picker(form).club_name_list_boxDblClick(); });
  EXPECT_EQ(execute_find_club_name(&picker), 0);
  EXPECT_EQ(picker.result(), QDialog::Rejected);
  EXPECT_EQ(dialogs.shown().size(), 1u);
}

TEST_F(club_picker, cancel_and_a_closed_window_pick_nothing_even_after_an_earlier_pick) {
  Tfrm_find_club_name picker;
  dialogs.queue_form_script([](QDialog& form) {
    select_row(as_picker(form), 1);
    as_picker(form).ok_btn->click();
  });
  ASSERT_EQ(execute_find_club_name(&picker), 12);

  dialogs.queue_form_script([](QDialog& form) {
    Tfrm_find_club_name& p = as_picker(form);
    // The earlier filter and choice are gone.
    EXPECT_TRUE(p.filter_edit_box->text().isEmpty());
    EXPECT_EQ(p.club_name_list_box->count(), 5);
    EXPECT_EQ(p.chosen_club_id(), 0);
    select_row(p, 2);
    p.cancel_btn->click();
  });
  EXPECT_EQ(execute_find_club_name(&picker), 0);

  // Closed by its frame: the script touches nothing.
  dialogs.queue_form_script([](QDialog& form) { select_row(as_picker(form), 2); });
  EXPECT_EQ(execute_find_club_name(&picker), 0);
}

TEST_F(club_picker, a_missing_club_file_lists_nothing_without_a_message) {
  fs::remove(folder.path() / "data" / "club_list.txt");
  Tfrm_find_club_name picker;
  dialogs.queue_form_script([](QDialog& form) {
    EXPECT_EQ(as_picker(form).club_name_list_box->count(), 0);
    EXPECT_EQ(as_picker(form).result_count->text(), "0");
    as_picker(form).ok_btn->click();
  });
  EXPECT_EQ(execute_find_club_name(&picker), 0);
  EXPECT_EQ(dialogs.shown_texts(),
            (std::vector<QString>{"frm_find_club_name", "Please select a club from the list"}));
}

TEST_F(club_picker, the_list_is_read_once_when_the_picker_is_created) {
  Tfrm_find_club_name picker;
  fs::remove(folder.path() / "data" / "club_list.txt");
  picker.reset_for_opening();
  EXPECT_EQ(picker.club_name_list_box->count(), 5);
}

TEST(club_picker_missing, no_picker_picks_nothing) {
  window_test_environment environment;
  EXPECT_EQ(execute_find_club_name(nullptr), 0);
  EXPECT_TRUE(environment.dialogs.shown().empty());
}

// The find buttons beside the club drop-down lists, each with its list and a recorder in place
// of every follow-up.
class find_club_buttons_test : public club_picker {
 protected:
  find_club_buttons_test() {
    lookups().club_list = club_lines;
    QStringList items;
    for (const std::string& line : club_lines)
      items.append(from_win1252(line));
    for (const find_club_button& b : find_club_buttons()) {
      auto* button = new QPushButton(&form);
      button->setObjectName(b.button);
      controls.add(button);
      auto* combo = new QComboBox(&form);
      combo->setObjectName(b.club_combo);
      combo->addItems(items);
      combo->setCurrentIndex(1);
      controls.add(combo);
    }
    picker = new Tfrm_find_club_name(&form);
    frm_find_club_name = picker;
    club_pick_follow_ups follow_ups;
    follow_ups.process_staff_contract_clauses_edit = recorder("contract_clauses");
    follow_ups.process_staff_favourite_club_edit = recorder("favourite_club");
    follow_ups.process_staff_disliked_club_edit = recorder("disliked_club");
    follow_ups.process_staff_history_edit = recorder("history");
    follow_ups.process_staff_non_player_history_edit = recorder("non_player_history");
    follow_ups.enable_non_player_history_controls = recorder("enable_non_player_history");
    bind_find_club_buttons(controls, std::move(follow_ups));
  }

  std::function<void()> recorder(std::string name) {
    return [this, name] {
      // A follow-up commits what the drop-down list shows by then.
      ran.push_back(name + "@" + to_win1252(current_combo->currentText()));
    };
  }

  void pick_row(int row) {
    dialogs.queue_form_script([row](QDialog& form) {
      as_picker(form).filter_edit_box->setText("o");  // every club but "Cwm United"
      select_row(as_picker(form), row);
      as_picker(form).ok_btn->click();
    });
  }

  QWidget form;
  form_controls controls;
  Tfrm_find_club_name* picker = nullptr;
  QComboBox* current_combo = nullptr;
  std::vector<std::string> ran;
};

TEST_F(find_club_buttons_test, a_pick_selects_the_club_and_runs_the_buttons_follow_ups) {
  const std::map<std::string, std::vector<std::string>> follow_ups = {
      {"find_contract_clauses_club_btn", {"contract_clauses"}},
      {"find_staff_favourite_club_club_btn", {"favourite_club"}},
      {"find_staff_disliked_club_club_btn", {"disliked_club"}},
      {"find_staff_history_club_btn", {"history"}},
      {"find_staff_non_player_history_club_btn",
       {"non_player_history", "enable_non_player_history"}},
  };
  for (const find_club_button& b : find_club_buttons()) {
    current_combo = controls.get<QComboBox>(b.club_combo);
    ran.clear();
    pick_row(2);  // "Lowfield Athletic", id 1018
    controls.get<QPushButton>(b.button)->click();
    EXPECT_EQ(current_combo->currentIndex(), 3) << b.button;
    std::vector<std::string> expected;
    const auto found = follow_ups.find(b.button);
    if (found != follow_ups.end()) {
      for (const std::string& name : found->second)
        expected.push_back(name + "@" + club_lines[3]);
    }
    EXPECT_EQ(ran, expected) << b.button;
  }
  EXPECT_TRUE(dialogs.all_as_scripted());
}

TEST_F(find_club_buttons_test, cancel_keeps_the_club_and_runs_no_follow_up) {
  for (const find_club_button& b : find_club_buttons()) {
    current_combo = controls.get<QComboBox>(b.club_combo);
    dialogs.queue_form_script([](QDialog& form) {
      select_row(as_picker(form), 3);
      as_picker(form).cancel_btn->click();
    });
    controls.get<QPushButton>(b.button)->click();
    EXPECT_EQ(current_combo->currentIndex(), 1) << b.button;
  }
  EXPECT_TRUE(ran.empty());
  EXPECT_TRUE(dialogs.all_as_scripted());
}

TEST_F(find_club_buttons_test, picking_the_none_line_changes_nothing) {
  current_combo = controls.get<QComboBox>("staff_history_club");
  dialogs.queue_form_script([](QDialog& form) {
    select_row(as_picker(form), 0);  // "None", id 0
    as_picker(form).ok_btn->click();
  });
  controls.get<QPushButton>("find_staff_history_club_btn")->click();
  EXPECT_EQ(current_combo->currentIndex(), 1);
  EXPECT_TRUE(ran.empty());
}

}  // namespace
