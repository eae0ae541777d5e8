#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <stdexcept>

#include "platform/qt_dialog_service.h"
#include "platform/run_guarded.h"
#include "platform/scripted_dialog_service.h"

namespace {

using kind = scripted_dialog_service::dialog_kind;

TEST(scripted_dialogs, answers_questions_in_order_and_records_what_was_shown) {
  scoped_scripted_dialogs script;
  script.queue_answer(dialog_answer::no);
  script.queue_answer(dialog_answer::ok);

  EXPECT_EQ(ask_confirmation("Do you want to save changes?", message_buttons::yes_no_cancel),
            dialog_answer::no);
  show_error("load_data: Invalid format of file x.staff");  // OK only: takes no answer
  EXPECT_EQ(ask_confirmation("File exists. Overwrite?", message_buttons::ok_cancel),
            dialog_answer::ok);
  show_message("N/I");

  ASSERT_EQ(script.shown().size(), 4u);
  EXPECT_EQ(script.shown()[0].type, message_type::confirmation);
  EXPECT_EQ(script.shown()[0].buttons, message_buttons::yes_no_cancel);
  EXPECT_EQ(script.shown()[1].type, message_type::error);
  EXPECT_EQ(script.shown()[1].text, "load_data: Invalid format of file x.staff");
  EXPECT_EQ(script.shown()[3].kind, kind::plain_message);
  EXPECT_TRUE(script.all_as_scripted());
}

TEST(scripted_dialogs, program_texts_arrive_decoded_from_windows_1252) {
  scoped_scripted_dialogs script;
  show_warning("Mananger already exist for Z\xE9lio\x92s club");
  EXPECT_EQ(script.last().text, QString::fromUtf8("Mananger already exist for Zélio’s club"));
}

struct unscripted_case {
  message_buttons buttons;
  dialog_answer safe_default;
};

class scripted_dialogs_without_an_answer : public testing::TestWithParam<unscripted_case> {};

TEST_P(scripted_dialogs_without_an_answer, give_the_safe_default_and_are_marked) {
  scoped_scripted_dialogs script;
  EXPECT_EQ(ask_confirmation("Are you sure?", GetParam().buttons), GetParam().safe_default);
  EXPECT_TRUE(script.last().unexpected);
  EXPECT_FALSE(script.all_as_scripted());
}

INSTANTIATE_TEST_SUITE_P(
    buttons, scripted_dialogs_without_an_answer,
    testing::Values(unscripted_case{message_buttons::yes_no, dialog_answer::no},
                    unscripted_case{message_buttons::ok_cancel, dialog_answer::cancel},
                    unscripted_case{message_buttons::yes_no_cancel, dialog_answer::cancel}));

TEST(scripted_dialogs, an_answer_the_box_does_not_offer_is_refused) {
  scoped_scripted_dialogs script;
  script.queue_answer(dialog_answer::yes);
  EXPECT_EQ(ask_confirmation("Do you really want to quit?", message_buttons::ok_cancel),
            dialog_answer::cancel);
  EXPECT_EQ(script.unexpected_count(), 1);
}

TEST(scripted_dialogs, file_dialogs_take_queued_paths_and_an_empty_queue_cancels) {
  scoped_scripted_dialogs script;
  script.queue_path("/tmp/club.staff");
  EXPECT_EQ(dialogs().open_file({"Open", "Staff files (*.staff)", "", "*.staff"}),
            "/tmp/club.staff");
  EXPECT_EQ(dialogs().save_file({"Save as", "", "", ""}), QString());
  EXPECT_EQ(script.shown()[0].kind, kind::open_file);
  EXPECT_EQ(script.shown()[0].options.filter, "Staff files (*.staff)");
  EXPECT_EQ(script.shown()[1].kind, kind::save_file);
  EXPECT_TRUE(script.shown()[1].unexpected);
}

TEST(scripted_dialogs, the_previous_service_comes_back_after_the_scope) {
  dialog_service* before = &dialogs();
  {
    scoped_scripted_dialogs outer;
    {
      scoped_scripted_dialogs inner;
      EXPECT_EQ(&dialogs(), &inner);
    }
    EXPECT_EQ(&dialogs(), &outer);
  }
  EXPECT_EQ(&dialogs(), before);
}

TEST(run_guarded, an_escaping_exception_is_shown_as_an_error_and_stops_there) {
  scoped_scripted_dialogs script;
  EXPECT_FALSE(run_guarded([] { throw std::runtime_error("fill_control: bad \xE9"); }));
  EXPECT_FALSE(run_guarded([] { throw 42; }));
  EXPECT_TRUE(run_guarded([] {}));
  ASSERT_EQ(script.shown().size(), 2u);
  EXPECT_EQ(script.shown()[0].type, message_type::error);
  EXPECT_EQ(script.shown()[0].text, QString::fromUtf8("fill_control: bad é"));
  EXPECT_FALSE(script.shown()[1].text.isEmpty());
}

// The real boxes: caption by type, the default button as asked, and the button pressed comes
// back as the answer.
struct qt_box_case {
  message_type type;
  message_buttons buttons;
  dialog_answer default_button;
  QMessageBox::StandardButton default_shown;
  QMessageBox::StandardButton press;  // NoButton: close the box with Escape
  const char* caption;
  dialog_answer answer;
};

class qt_message_boxes : public testing::TestWithParam<qt_box_case> {};

TEST_P(qt_message_boxes, show_the_type_caption_and_default_and_return_the_button_pressed) {
  const qt_box_case& c = GetParam();
  QString seen_caption;
  QPushButton* seen_default = nullptr;
  QPushButton* wanted_default = nullptr;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    seen_caption = box->windowTitle();
    seen_default = box->defaultButton();
    wanted_default = qobject_cast<QPushButton*>(box->button(c.default_shown));
    if (c.press == QMessageBox::NoButton) {
      box->reject();
    } else {
      box->button(c.press)->click();
    }
  });
  qt_dialog_service service;
  EXPECT_EQ(service.message(c.type, "text", c.buttons, c.default_button), c.answer);
  EXPECT_EQ(seen_caption, c.caption);
  EXPECT_NE(seen_default, nullptr);
  EXPECT_EQ(seen_default, wanted_default);
}

INSTANTIATE_TEST_SUITE_P(
    boxes, qt_message_boxes,
    testing::Values(
        qt_box_case{message_type::error, message_buttons::ok, dialog_answer::ok, QMessageBox::Ok,
                    QMessageBox::Ok, "Error", dialog_answer::ok},
        qt_box_case{message_type::warning, message_buttons::yes_no, dialog_answer::yes,
                    QMessageBox::Yes, QMessageBox::Yes, "Warning", dialog_answer::yes},
        qt_box_case{message_type::information, message_buttons::ok, dialog_answer::ok,
                    QMessageBox::Ok, QMessageBox::Ok, "Information", dialog_answer::ok},
        qt_box_case{message_type::confirmation, message_buttons::yes_no_cancel, dialog_answer::no,
                    QMessageBox::No, QMessageBox::No, "Confirm", dialog_answer::no},
        qt_box_case{message_type::confirmation, message_buttons::ok_cancel, dialog_answer::cancel,
                    QMessageBox::Cancel, QMessageBox::Cancel, "Confirm", dialog_answer::cancel},
        qt_box_case{message_type::confirmation, message_buttons::yes_no, dialog_answer::no,
                    QMessageBox::No, QMessageBox::Yes, "Confirm", dialog_answer::yes},
        // Closing counts as Cancel, or No where there is no Cancel.
        qt_box_case{message_type::confirmation, message_buttons::ok_cancel, dialog_answer::ok,
                    QMessageBox::Ok, QMessageBox::NoButton, "Confirm", dialog_answer::cancel},
        qt_box_case{message_type::warning, message_buttons::yes_no, dialog_answer::yes,
                    QMessageBox::Yes, QMessageBox::NoButton, "Warning", dialog_answer::no}));

// Without a default named, Enter presses the first button; a question that destroys data is
// asked with the button that keeps it as the default.
TEST(scripted_dialogs, record_the_default_button_of_each_box) {
  scoped_scripted_dialogs script;
  struct default_case {
    message_buttons buttons;
    dialog_answer first;
    dialog_answer keeping;
  };
  const default_case cases[] = {
      {message_buttons::ok, dialog_answer::ok, dialog_answer::ok},
      {message_buttons::ok_cancel, dialog_answer::ok, dialog_answer::cancel},
      {message_buttons::yes_no, dialog_answer::yes, dialog_answer::no},
      {message_buttons::yes_no_cancel, dialog_answer::yes, dialog_answer::no},
  };
  for (const default_case& c : cases) {
    script.clear();
    ask_confirmation("Keep?", c.buttons);
    ask_before_destroying("Delete?", c.buttons);
    ASSERT_EQ(script.shown().size(), 2u);
    EXPECT_EQ(script.shown()[0].default_button, c.first);
    EXPECT_EQ(script.shown()[1].default_button, c.keeping);
    EXPECT_EQ(script.shown()[1].type, message_type::confirmation);
  }
}

}  // namespace
