#include <gtest/gtest.h>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>
#include <functional>
#include <stdexcept>

#include "platform/focus_tracker.h"
#include "platform/qt_dialog_service.h"
#include "platform/scripted_dialog_service.h"

namespace {

// A main window with a menu and three edits whose enter and exit handlers write a log.
class focus_fixture : public testing::Test {
 protected:
  void SetUp() override {
    auto* central = new QWidget(&window);
    auto* layout = new QVBoxLayout(central);
    for (QLineEdit** edit : {&first, &second, &third}) {
      *edit = new QLineEdit(central);
      layout->addWidget(*edit);
    }
    spin = new QSpinBox(central);
    layout->addWidget(spin);
    window.setCentralWidget(central);
    window.menuBar()->addMenu("File");
    tracker = new focus_tracker(&window);
    watch(first, "first");
    watch(second, "second");
    watch(spin, "spin");
    window.show();
    window.activateWindow();
    QApplication::setActiveWindow(&window);
    QApplication::processEvents();
  }

  void watch(QWidget* control, const std::string& name) {
    tracker->set_enter_handler(control, [this, name] { log += "enter " + name + ";"; });
    tracker->set_exit_handler(control, [this, name] {
      log += "exit " + name + ";";
      return allow_exit;
    });
  }

  void focus(QWidget* widget) {
    widget->setFocus(Qt::MouseFocusReason);
    QApplication::processEvents();
  }

  // Moves from `first` to `second` while first's exit handler shows a real message box, closed
  // as soon as it is up; `after_box` then decides the exit. The window gets its activation back
  // afterwards, as the window system gives it once the box is gone.
  void leave_first_through_a_real_box(message_type type, const char* text,
                                      std::function<bool()> after_box) {
    qt_dialog_service real_boxes;
    set_dialogs(&real_boxes);
    tracker->set_exit_handler(first, [this, type, text, after_box] {
      log += "exit first;";
      QTimer::singleShot(0, [] {
        if (QWidget* box = QApplication::activeModalWidget())
          box->close();
      });
      dialogs().message(type, text, message_buttons::ok);
      return after_box();
    });
    focus(first);
    log.clear();
    focus(second);
    set_dialogs(nullptr);
    QApplication::setActiveWindow(&window);
    QApplication::processEvents();
  }

  QMainWindow window;
  QLineEdit* first = nullptr;
  QLineEdit* second = nullptr;
  QLineEdit* third = nullptr;  // no handlers
  QSpinBox* spin = nullptr;
  focus_tracker* tracker = nullptr;
  std::string log;
  bool allow_exit = true;
};

TEST_F(focus_fixture, moving_between_controls_exits_the_old_and_enters_the_new) {
  focus(first);
  ASSERT_EQ(QApplication::focusWidget(), first) << "the offscreen window must take the focus";
  focus(second);
  focus(third);
  focus(first);
  EXPECT_EQ(log, "enter first;exit first;enter second;exit second;enter first;");
}

TEST_F(focus_fixture, a_refused_exit_keeps_the_focus_and_the_target_is_not_entered) {
  focus(first);
  log.clear();
  allow_exit = false;
  focus(second);
  EXPECT_EQ(QApplication::focusWidget(), first);
  EXPECT_EQ(tracker->active_control(), first);
  EXPECT_EQ(log, "exit first;");

  allow_exit = true;
  focus(second);
  EXPECT_EQ(QApplication::focusWidget(), second);
  EXPECT_EQ(log, "exit first;exit first;enter second;");
}

TEST_F(focus_fixture, an_exit_that_shows_a_dialog_and_refuses_returns_the_focus) {
  leave_first_through_a_real_box(message_type::error, "Valid value range is 0 - 20",
                                 [] { return false; });
  EXPECT_EQ(QApplication::focusWidget(), first);
  EXPECT_EQ(log, "exit first;");
}

// As an answer that sends the user back to the field does: the box took the activation, and the
// focus put back into the control still counts as a refusal.
TEST_F(focus_fixture, an_exit_that_shows_a_dialog_and_sends_the_focus_back_refuses) {
  leave_first_through_a_real_box(message_type::warning, "Do you want to change it?", [this] {
    first->setFocus(Qt::OtherFocusReason);
    return true;
  });
  EXPECT_EQ(QApplication::focusWidget(), first);
  EXPECT_EQ(tracker->active_control(), first);
  EXPECT_EQ(log, "exit first;");
}

TEST_F(focus_fixture, a_dialog_or_the_menu_taking_the_focus_is_not_a_move) {
  focus(first);
  log.clear();

  QDialog dialog(&window);
  auto* inside = new QLineEdit(&dialog);
  QTimer::singleShot(0, [&] {
    inside->setFocus();
    QApplication::processEvents();
    dialog.accept();
  });
  dialog.exec();
  QApplication::setActiveWindow(&window);
  QApplication::processEvents();

  focus(window.menuBar());
  focus(first);
  EXPECT_EQ(log, "");
  EXPECT_EQ(tracker->active_control(), first);
}

TEST_F(focus_fixture, another_window_and_back_is_not_a_move_but_a_new_control_is) {
  focus(first);
  log.clear();
  QWidget other;
  auto* other_edit = new QLineEdit(&other);
  other.show();
  QApplication::setActiveWindow(&other);
  focus(other_edit);
  QApplication::setActiveWindow(&window);
  focus(first);
  EXPECT_EQ(log, "");

  QApplication::setActiveWindow(&other);
  focus(other_edit);
  QApplication::setActiveWindow(&window);
  focus(second);
  EXPECT_EQ(log, "exit first;enter second;");
}

TEST_F(focus_fixture, the_inner_edit_of_a_spin_box_counts_as_the_spin_box) {
  focus(first);
  log.clear();
  focus(spin);
  ASSERT_NE(QApplication::focusWidget(), nullptr);
  focus(first);
  EXPECT_EQ(log, "exit first;enter spin;exit spin;enter first;");
}

TEST_F(focus_fixture, an_exit_handler_that_throws_is_shown_and_keeps_the_focus) {
  scoped_scripted_dialogs script;
  tracker->set_exit_handler(first, []() -> bool { throw std::runtime_error("bad value"); });
  focus(first);
  log.clear();
  focus(second);
  EXPECT_EQ(QApplication::focusWidget(), first);
  ASSERT_EQ(script.shown().size(), 1u);
  EXPECT_EQ(script.last().text, "bad value");
  EXPECT_EQ(log, "");
}

TEST_F(focus_fixture, a_destroyed_control_drops_its_handlers) {
  focus(first);
  delete second;
  second = nullptr;
  focus(third);
  EXPECT_EQ(tracker->active_control(), third);
}

}  // namespace
