#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QTest>
#include <string>

#include "../support/click_focus.h"
#include "file_menu_test_support.h"
#include "platform/control_colors.h"
#include "record_form/editor_state.h"
#include "record_form/item_selection.h"

namespace {

// The bold captions over the item lists: a click on a red one names it in a message whose value
// line is empty (the caption stands for a whole list), a rest of the mouse on it gives the same
// tip. Most answer a click while the record has an original; the language, preferred move and
// tendency captions while the favourite staff item selected has one.
struct list_caption {
  const char* label;
  bool favourite_staff_gate;
};

constexpr list_caption list_captions[] = {
    {"staff_label_favourite_clubs", false},
    {"staff_label_disliked_clubs", false},
    {"staff_label_disliked_staff", false},
    {"staff_label_favourite_staff", false},
    {"staff_label_history", false},
    {"staff_label_job", false},
    {"staff_label_achievements", false},
    {"staff_label_language", true},
    {"staff_label_ppm", true},
    {"staff_label_npt", true},
};

// Example records and the gates their showing opens.
struct shown_record {
  std::int32_t id;
  bool record_original;           // read from the file, not added in the editor
  bool favourite_staff_original;  // shows a favourite staff item read from the file
};

constexpr shown_record shown_records[] = {
    {28000106, true, true},
    {28000100, true, false},
    {50001, false, false},
};

class caption_label_handlers : public file_menu_test {
 protected:
  caption_label_handlers() { open_through_menu(copy_to_folder(example_club_file())); }

  // Brings the caption's page forward, as the user sees it before pointing at it.
  QLabel* shown_caption(const char* name) {
    auto* caption = window.controls().get<QLabel>(name);
    EXPECT_NE(caption, nullptr) << name;
    if (caption != nullptr)
      focus_as_by_click(caption);
    return caption;
  }

  // What a click on the caption shows; empty when nothing.
  QString clicked(QLabel* caption) {
    environment.dialogs.clear();
    QTest::mouseClick(caption, Qt::LeftButton, {}, QPoint(2, 2));
    if (environment.dialogs.shown().empty())
      return {};
    EXPECT_EQ(environment.dialogs.shown().size(), 1u);
    EXPECT_EQ(environment.dialogs.last().type, message_type::information);
    EXPECT_EQ(environment.dialogs.last().buttons, message_buttons::ok);
    return environment.dialogs.last().text;
  }

  static QString hovered(QLabel* caption) {
    caption->setToolTip(QString());
    // As the window system delivers a move over the caption, with no button held.
    const QPointF at(3, 3);
    QMouseEvent move(QEvent::MouseMove, at, caption->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(caption, &move);
    return caption->toolTip();
  }
};

TEST_F(caption_label_handlers, a_red_list_caption_answers_while_its_original_is_there) {
  for (const shown_record& record : shown_records) {
    select_staff(record.id);
    ASSERT_EQ(editor().current_staff->StaffID, record.id);
    ASSERT_EQ(editor().original_staff != nullptr, record.record_original) << record.id;
    ASSERT_EQ(selected_item<item_kind::favourite_staff>().original != nullptr,
              record.favourite_staff_original)
        << record.id;
    for (const list_caption& test : list_captions) {
      SCOPED_TRACE(std::to_string(record.id) + " " + test.label);
      QLabel* caption = shown_caption(test.label);
      ASSERT_NE(caption, nullptr);

      set_font_color(caption, clWindowText);
      EXPECT_EQ(clicked(caption), QString());
      EXPECT_EQ(hovered(caption), QString());

      set_font_color(caption, clRed);  // as a changed item of the list leaves it
      const bool gate_open =
          test.favourite_staff_gate ? record.favourite_staff_original : record.record_original;
      EXPECT_EQ(clicked(caption),
                gate_open ? "Original value of '" + caption->text() + "':\n" : QString());
      EXPECT_EQ(hovered(caption),
                record.record_original ? QStringLiteral("Original value: ") : QString());
    }
  }
}

// The boxes compared with the original show their tip on hover; the hand says so, for good.
TEST_F(caption_label_handlers, compared_check_boxes_keep_the_hand_cursor) {
  const char* const boxes[] = {"staff_permanent_injury",
                               "staff_future_permanent_injury",
                               "staff_slow_retirement",
                               "staff_mls_guaranteed_deal",
                               "staff_mls_team_option",
                               "staff_mls_player_option",
                               "staff_mls_discovery_player_at_current_club",
                               "staff_third_nation_declared"};
  for (const shown_record& record : shown_records) {
    select_staff(record.id);
    for (const char* name : boxes) {
      const QWidget* box = window.controls().find(name);
      ASSERT_NE(box, nullptr) << name;
      EXPECT_EQ(box->cursor().shape(), Qt::PointingHandCursor) << record.id << " " << name;
    }
  }
}

}  // namespace
