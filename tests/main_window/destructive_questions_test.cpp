#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "file_menu_test_support.h"
#include "platform/app_locale.h"
#include "record_form/editor_state.h"
#include "records/staff_writer.h"
#include "sub_records/item_list_places.h"

namespace fs = std::filesystem;

namespace {

class destructive_questions;
using user_action = std::function<void(destructive_questions&)>;

// A question, what the user does to be asked it, and the button Enter presses in it.
struct question_case {
  const char* question;  // the start of its text
  user_action act;
  dialog_answer enter_presses;
};

void PrintTo(const question_case& c, std::ostream* out) {
  *out << c.question;
}

// The first record of every_section.staff, as shown after opening, set up so that every question
// can come: a player and non-player with a club, a loan club, a future-transfer club, a nation
// contract, a "next sale percentage" clause and a favourite staff item not marked for deletion.
// No question is answered: the test looks only at what Enter would press.
class destructive_questions : public file_menu_test,
                              public testing::WithParamInterface<question_case> {
 public:
  destructive_questions() {
    data_set data;
    EXPECT_TRUE(reload_file(fixture_file("every_section.staff"), data));
    for (auto& staff : data.records.staff_list) {
      staff->StaffClassification = 3;
      staff->StaffClubContracted = 1001;
      staff->StaffClubOnLoanTo = 1007;
      staff->StaffClubFutureTransfer = 1007;
      staff->StaffNationContracted = "Ferktura";
      staff->StaffMarkedForDeletion = "False";
    }
    for (auto& clause : data.records.staff_contract_clauses_list)
      clause->StaffContractClausesType = 9;
    for (auto& liked : data.records.staff_favourite_staff_list)
      liked->StaffFavouriteStaffMarkedForDeletion = "False";
    path = folder.path() / "Questions.staff";
    std::FILE* out = std::fopen(path.string().c_str(), "wb");
    EXPECT_NE(out, nullptr);
    EXPECT_TRUE(write_staff_file(out, data, app_locale()));
    std::fclose(out);
    open_through_menu(path);
    environment.dialogs.clear();
  }

  // The user picks an entry of a combo the focus is in, and leaves it for another field.
  void choose_and_leave(const char* name, int index) {
    focus_on(name);
    auto* combo = window.controls().get<QComboBox>(name);
    combo->setCurrentIndex(index);
    emit combo->activated(index);
    focus_on("staff_club_contract_extension_option");
  }

  void click(const char* name) {
    focus_on(name);
    auto* control = window.controls().get<QAbstractButton>(name);
    QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(5, control->height() / 2));
  }

  // Adds an item with the kind's Add button and asks to delete it with its Del button.
  void add_and_delete(item_kind kind) {
    click(place_of(kind).add_button);
    click(place_of(kind).delete_button);
  }

  void save_as_over_another_file() {
    environment.dialogs.queue_path(qt_path(copy_to_folder(path, "Other.staff")));
    window.menu_save_as->trigger();
  }

  void type_a_name_then_open() {
    focus_on("staff_first_name");
    QTest::keyClicks(edit("staff_first_name"), "x");
    window.menu_open->trigger();
  }

  // The questions asked, oldest first.
  const std::vector<scripted_dialog_service::shown_dialog>& asked() const {
    return environment.dialogs.shown();
  }

 private:
  fs::path path;
};

const user_action leave_another_club = [](destructive_questions& t) {
  t.choose_and_leave("staff_club_contracted", 2);
};
const user_action leave_no_club = [](destructive_questions& t) {
  t.choose_and_leave("staff_club_contracted", 0);
};

const question_case cases[] = {
    {"You have changed contracted club. Would you like to clear squad number?", leave_another_club,
     dialog_answer::no},
    {"You have changed contracted club. Would you like to clear current contract details?",
     leave_another_club, dialog_answer::no},
    {"Would you like to clear all loan fields?", leave_another_club, dialog_answer::no},
    {"Would you like to delete contract clause/s?", leave_another_club, dialog_answer::no},
    {"There is 1 'next sale percentage' contract clause.", leave_another_club, dialog_answer::no},
    {"Would you like to clear all other club contact fields?", leave_no_club, dialog_answer::no},
    {"Would you like to clear board/fan confidence?", leave_no_club, dialog_answer::no},
    {"Would you like to clear all other loan fields?",
     [](destructive_questions& t) { t.choose_and_leave("staff_club_loan_to", 3); },
     dialog_answer::no},
    {"Would you like to clear all other future transfer fields?",
     [](destructive_questions& t) { t.choose_and_leave("staff_club_future_transfer", 3); },
     dialog_answer::no},
    {"Are you sure? This will result in his club contract being reset.",
     [](destructive_questions& t) { t.click("radiobutton_staff_club_contract"); },
     dialog_answer::cancel},
    {"Are you sure? This will result in his nation contract being reset.",
     [](destructive_questions& t) { t.click("radiobutton_staff_nation_contract"); },
     dialog_answer::cancel},
    {"Are you sure you want this item marked for deletion?",
     [](destructive_questions& t) { t.click("staff_favourite_staff_marked_for_deletion"); },
     dialog_answer::no},
    {"Are you sure want to mark this player for deletion?",
     [](destructive_questions& t) { t.click("staff_marked_for_deletion"); }, dialog_answer::no},
    {"Delete entry ", [](destructive_questions& t) { t.add_and_delete(item_kind::job); },
     dialog_answer::cancel},
    {"Delete season ", [](destructive_questions& t) { t.add_and_delete(item_kind::history); },
     dialog_answer::cancel},
    {"File exists. Overwrite?", [](destructive_questions& t) { t.save_as_over_another_file(); },
     dialog_answer::cancel},
    // Its Yes keeps the user's changes: Enter saves them.
    {"Do you want to save changes?", [](destructive_questions& t) { t.type_a_name_then_open(); },
     dialog_answer::yes},
};

// Enter presses the button that keeps the data in every question whose Yes (or OK) deletes,
// marks for deletion or clears it.
TEST_P(destructive_questions, enter_keeps_the_data) {
  const question_case& c = GetParam();
  c.act(*this);
  const scripted_dialog_service::shown_dialog* question = nullptr;
  for (const auto& dialog : asked()) {
    if (question == nullptr && dialog.text.startsWith(c.question))
      question = &dialog;
  }
  ASSERT_NE(question, nullptr) << asked().size() << " other questions";
  EXPECT_EQ(question->default_button, c.enter_presses);
}

INSTANTIATE_TEST_SUITE_P(every_question, destructive_questions, testing::ValuesIn(cases),
                         [](const testing::TestParamInfo<question_case>& info) {
                           std::string name;
                           for (const char* c = info.param.question; *c != '\0'; ++c) {
                             if (std::isalnum(static_cast<unsigned char>(*c)) != 0)
                               name += *c;
                             else if (!name.empty() && name.back() != '_')
                               name += '_';
                           }
                           return name;
                         });

}  // namespace
