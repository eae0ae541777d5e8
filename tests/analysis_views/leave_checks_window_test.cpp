#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringListModel>
#include <QTabWidget>
#include <memory>

#include "analysis_views/error_check_popup.h"
#include "analysis_views/leave_check_form.h"
#include "main_window/main_window.h"
#include "platform/owner_drawn_list_view.h"
#include "platform/page_control.h"
#include "platform/win1252.h"
#include "record_form/editor_state.h"
#include "records/record_store.h"
#include "staff_list_test_records.h"
#include "window_test_support.h"

namespace {

// A player the checks find nothing to ask about.
qor_staff& add_unquestioned_player(std::int32_t id, std::string_view second_name) {
  qor_staff& staff = add_test_staff(id, second_name, "Ann");
  staff.StaffYearOfBirth = 1990;
  staff.StaffNation = "Nowhereland";
  staff.StaffSecondNation = "None";
  staff.StaffPlayerWorldReputation = 50;
  staff.StaffPlayerCurrentReputation = 60;
  staff.StaffPlayerCurrentAbility = 100;
  staff.StaffPlayerPotentialAbility = 120;
  staff.StaffPlayerAttackerCentral = 15;
  *store().staff_orig_list.back() = staff;
  return staff;
}

void add_preferred_moves(std::int32_t owner, int count) {
  for (int index = 0; index < count; ++index) {
    auto ppm = std::make_unique<qor_staff_ppm>();
    ppm->StaffPPMID = 900 + index;
    ppm->StaffPPMStaff = owner;
    ppm->StaffPPMPrefferedMove = 1;
    ppm->StaffPPMMarkedForDeletion = "False";
    store().staff_ppm_list.push_back(std::move(ppm));
  }
}

class leave_checks_window : public testing::Test {
 protected:
  leave_checks_window() {
    window.show();
    window.activateWindow();
    QApplication::setActiveWindow(&window);
    QApplication::processEvents();
    set_up_home_club_file();
    window.controls().choice_model("nation_list")->setStringList({"None", "Nowhereland"});
    error_checks() = error_check_flags{};
  }
  ~leave_checks_window() override { error_checks() = error_check_flags{}; }

  // Lists the record under test first and a complete one after it, and shows the first.
  void list_and_show(qor_staff& record) {
    add_unquestioned_player(99, "Zulu");
    list_by_name_and_select_first(window);
    show_pages_as_after_opening(window);
    ASSERT_EQ(editor().current_staff, &record);
  }

  window_test_environment environment;
  Tfrm_main window;
};

struct leave_case {
  const char* what;
  void (*spoil)(qor_staff&);
  const char* message_start;
  const char* focus;
  bool error_check_flags::*check_switch;  // null for the check that always runs
  // The field the check goes to asks a question of its own when it is left.
  bool field_asks_on_exit = false;
};

const leave_case leave_cases[] = {
    {"no names",
     [](qor_staff& s) {
       s.StaffFirstName = "";
       s.StaffSecondName = "";
     },
     "The staff member you are trying to leave has no first or second name.", "staff_first_name",
     &error_check_flags::name},
    {"no second name", [](qor_staff& s) { s.StaffSecondName = ""; },
     "The staff member you are trying to leave is missing a second name.", "staff_second_name",
     &error_check_flags::name},
    {"no first name", [](qor_staff& s) { s.StaffFirstName = ""; },
     "The staff member you are trying to leave is missing a first name.", "staff_first_name",
     &error_check_flags::name},
    {"no birth details", [](qor_staff& s) { s.StaffYearOfBirth = 0; },
     "The staff member you are trying to leave is missing birth details.", "staff_date_of_birth",
     &error_check_flags::birth_details},
    {"no nation", [](qor_staff& s) { s.StaffNation = "None"; },
     "The staff member you are trying to leave is missing nationality details.", "staff_nation",
     &error_check_flags::nationality},
    {"world reputation above current", [](qor_staff& s) { s.StaffPlayerWorldReputation = 61; },
     "The staff member you are trying to leave has a higher playing world reputation",
     "staff_pl_current_reputation", &error_check_flags::reputation},
    {"current ability above potential", [](qor_staff& s) { s.StaffPlayerCurrentAbility = 121; },
     "The staff member you are trying to leave has a higher playing current ability",
     "staff_pl_current_ability", &error_check_flags::ability, true},
    {"no playing position", [](qor_staff& s) { s.StaffPlayerAttackerCentral = 14; },
     "The staff member you are trying to leave has not got any playing positions set.",
     "staff_pl_attacker_central", &error_check_flags::positions},
    {"six preferred moves", [](qor_staff& s) { add_preferred_moves(s.StaffID, 6); },
     "The staff member you are trying to leave has got too many PPMs set.", "staff_ppm", nullptr},
};

TEST_F(leave_checks_window, yes_keeps_the_record_and_goes_to_the_field) {
  for (const leave_case& test : leave_cases) {
    SCOPED_TRACE(test.what);
    editor() = editor_state{};
    delete_all_records(store());
    environment.dialogs.clear();
    qor_staff& record = add_unquestioned_player(1, "Able");
    test.spoil(record);
    list_and_show(record);
    // The click on the list has taken the focus there.
    window.list_box->setFocus();
    window.controls().get<QLineEdit>("staff_common_name")->setText("Typed");

    environment.dialogs.queue_answer(dialog_answer::yes);
    click_entry(window, 1);
    ASSERT_EQ(environment.dialogs.shown().size(), 1U);
    EXPECT_TRUE(environment.dialogs.shown()[0].text.startsWith(test.message_start))
        << environment.dialogs.shown()[0].text.toStdString();
    EXPECT_EQ(environment.dialogs.shown()[0].type, message_type::warning);
    EXPECT_EQ(environment.dialogs.shown()[0].buttons, message_buttons::yes_no);
    EXPECT_EQ(editor().current_staff, &record);
    EXPECT_EQ(window.list_box->item_index(), 0);
    EXPECT_EQ(record.StaffCommonName.view(), "") << "nothing is committed";
    QWidget* field = window.controls().find(test.focus);
    ASSERT_NE(field, nullptr);
    EXPECT_TRUE(window.pc_staff->currentWidget()->isAncestorOf(field));
    EXPECT_TRUE(field->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), field);

    // Leaving as it is: the focused field's own exit check comes first, then the leave check.
    if (test.field_asks_on_exit)
      environment.dialogs.queue_answer(dialog_answer::no);
    environment.dialogs.queue_answer(dialog_answer::no);
    click_entry(window, 1);
    EXPECT_NE(editor().current_staff, &record);
    EXPECT_EQ(record.StaffCommonName.view(), "Typed");
    EXPECT_TRUE(environment.dialogs.all_as_scripted());
  }
}

TEST_F(leave_checks_window, each_switch_off_lets_its_record_go_without_a_question) {
  for (const leave_case& test : leave_cases) {
    if (test.check_switch == nullptr)
      continue;
    SCOPED_TRACE(test.what);
    editor() = editor_state{};
    delete_all_records(store());
    environment.dialogs.clear();
    error_checks() = error_check_flags{};
    qor_staff& record = add_unquestioned_player(1, "Able");
    test.spoil(record);
    list_and_show(record);
    error_checks().*test.check_switch = false;
    click_entry(window, 1);
    EXPECT_TRUE(environment.dialogs.shown().empty());
    EXPECT_NE(editor().current_staff, &record);
  }
}

TEST_F(leave_checks_window, a_complete_player_and_a_non_player_are_asked_nothing) {
  qor_staff& complete = add_unquestioned_player(1, "Able");
  list_and_show(complete);
  click_entry(window, 1);
  EXPECT_TRUE(environment.dialogs.shown().empty());

  editor() = editor_state{};
  delete_all_records(store());
  qor_staff& coach = add_unquestioned_player(1, "Able");
  coach.StaffClassification = 1;
  coach.StaffPlayerWorldReputation = 200;
  coach.StaffPlayerAttackerCentral = 0;
  add_preferred_moves(1, 8);
  list_and_show(coach);
  click_entry(window, 1);
  EXPECT_TRUE(environment.dialogs.shown().empty());
}

TEST_F(leave_checks_window, switched_off_checks_are_not_asked_but_the_ppm_check_is) {
  qor_staff& record = add_unquestioned_player(1, "Able");
  record.StaffSecondName = "";
  record.StaffYearOfBirth = 0;
  record.StaffNation = "None";
  record.StaffPlayerWorldReputation = 90;
  record.StaffPlayerCurrentAbility = 150;
  record.StaffPlayerAttackerCentral = 0;
  add_preferred_moves(1, 7);
  error_checks() = {false, false, false, false, false, false};
  list_and_show(record);
  environment.dialogs.queue_answer(dialog_answer::no);
  click_entry(window, 1);
  ASSERT_EQ(environment.dialogs.shown().size(), 1U);
  EXPECT_TRUE(environment.dialogs.shown()[0].text.contains("too many PPMs"));
}

TEST_F(leave_checks_window, has_no_playing_position_reads_the_rating_edits) {
  qor_staff& record = add_unquestioned_player(1, "Able");
  list_and_show(record);
  EXPECT_FALSE(has_no_playing_position(window.controls()));
  window.controls().get<QLineEdit>("staff_pl_attacker_central")->setText("14");
  EXPECT_TRUE(has_no_playing_position(window.controls()));
  window.controls().get<QLineEdit>("staff_pl_goalkeeper")->setText("20");
  EXPECT_FALSE(has_no_playing_position(window.controls()));
}

class error_check_popup : public testing::Test {
 protected:
  error_check_popup() {
    frm_popup = new Tfrm_popup(&window);
    error_checks() = error_check_flags{};
  }
  ~error_check_popup() override {
    delete frm_popup;
    error_checks() = error_check_flags{};
  }

  static void type_password(QDialog& form, const QString& text) {
    static_cast<Tfrm_popup&>(form).e_c_password->setText(text);
  }

  window_test_environment environment;
  Tfrm_main window;
};

TEST_F(error_check_popup, the_options_show_only_while_the_password_is_typed_exactly) {
  Tfrm_popup& popup = *frm_popup;
  popup.FormShow();
  EXPECT_FALSE(popup.e_c_options_gb->isVisibleTo(&popup));
  const std::pair<const char*, bool> texts[] = {{"plain cork", true},   {"plain corks", false},
                                                {"plain cork", true},   {"Plain Cork", false},
                                                {" plain cork", false}, {"", false}};
  for (const auto& [text, shown] : texts) {
    popup.e_c_password->setText(text);
    EXPECT_EQ(popup.e_c_options_gb->isVisibleTo(&popup), shown) << text;
  }
  popup.e_c_password->setText("plain cork");
  popup.FormShow();
  EXPECT_EQ(popup.e_c_password->text(), "");
  EXPECT_FALSE(popup.e_c_options_gb->isVisibleTo(&popup));
}

TEST_F(error_check_popup, ok_stores_the_boxes_and_cancel_leaves_the_switches) {
  // OK without the password stores the boxes, which show the switches: nothing changes.
  environment.dialogs.queue_form_script(
      [](QDialog& form) { static_cast<Tfrm_popup&>(form).button_ok->click(); });
  window.menu_error_checkingClick();
  EXPECT_TRUE(error_checks().name && error_checks().positions);
  EXPECT_TRUE(frm_popup->ok_result());

  // Cancel after unticking: the switches stay on and the boxes are ticked again.
  environment.dialogs.queue_form_script([](QDialog& form) {
    auto& popup = static_cast<Tfrm_popup&>(form);
    type_password(form, "plain cork");
    popup.e_c_reputation->setChecked(false);
    popup.cancel_btn->click();
  });
  EXPECT_FALSE(run_error_check_popup(frm_popup));
  EXPECT_TRUE(error_checks().reputation);
  EXPECT_TRUE(frm_popup->e_c_reputation->isChecked());
  EXPECT_EQ(frm_popup->e_c_password->text(), "");

  // With the password each box switches its own check.
  QCheckBox* Tfrm_popup::*const boxes[] = {
      &Tfrm_popup::e_c_name,       &Tfrm_popup::e_c_birth_details, &Tfrm_popup::e_c_nationality,
      &Tfrm_popup::e_c_reputation, &Tfrm_popup::e_c_ability,       &Tfrm_popup::e_c_positions};
  bool error_check_flags::*const flags[] = {
      &error_check_flags::name,        &error_check_flags::birth_details,
      &error_check_flags::nationality, &error_check_flags::reputation,
      &error_check_flags::ability,     &error_check_flags::positions};
  for (std::size_t index = 0; index < std::size(boxes); ++index) {
    error_checks() = error_check_flags{};
    frm_popup->show_switches();
    environment.dialogs.queue_form_script([box = boxes[index]](QDialog& form) {
      auto& popup = static_cast<Tfrm_popup&>(form);
      type_password(form, "plain cork");
      (popup.*box)->setChecked(false);
      popup.button_ok->click();
    });
    EXPECT_TRUE(run_error_check_popup(frm_popup));
    for (std::size_t other = 0; other < std::size(flags); ++other)
      EXPECT_EQ(error_checks().*flags[other], other != index) << index << " " << other;
  }
  EXPECT_TRUE(environment.dialogs.all_as_scripted());
}

TEST_F(error_check_popup, the_form_is_laid_out_as_designed) {
  Tfrm_popup& popup = *frm_popup;
  EXPECT_EQ(popup.windowTitle(), "Popup");
  EXPECT_EQ(popup.size(), QSize(250, 194));
  EXPECT_EQ(popup.e_c_password->echoMode(), QLineEdit::Password);
  EXPECT_TRUE(popup.button_ok->isDefault());
  EXPECT_EQ(popup.e_c_options_gb->title(), "Error Check:");
  EXPECT_EQ(popup.e_c_birth_details->text(), "Birth Details");
  EXPECT_EQ(popup.cancel_btn->text(), "Cancel");
}

// A dialog frame with a title and nothing else: no system menu, close, minimise or maximise
// button; its caption shows "Password:" whole in the window's font.
TEST_F(error_check_popup, the_frame_has_no_buttons_and_the_caption_shows_whole) {
  Tfrm_popup& popup = *frm_popup;
  environment.dialogs.queue_form_script([](QDialog& form) {
    const Qt::WindowFlags flags = form.windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowTitleHint));
    for (const Qt::WindowType button :
         {Qt::WindowSystemMenuHint, Qt::WindowMinimizeButtonHint, Qt::WindowMaximizeButtonHint,
          Qt::WindowCloseButtonHint, Qt::WindowContextHelpButtonHint}) {
      EXPECT_FALSE(flags.testFlag(button)) << Qt::WindowFlags(button).toInt();
    }
    auto& shown = static_cast<Tfrm_popup&>(form);
    EXPECT_EQ(shown.label_caption->text(), "Password:");
    EXPECT_GE(shown.label_caption->width(), shown.label_caption->sizeHint().width());
    EXPECT_GE(shown.label_caption->height(), shown.label_caption->sizeHint().height());
    EXPECT_LE(shown.label_caption->geometry().right(), shown.e_c_password->x());
    shown.cancel_btn->click();
  });
  window.menu_error_checkingClick();
  EXPECT_TRUE(environment.dialogs.all_as_scripted());
  EXPECT_FALSE(popup.isVisible());
}

}  // namespace
