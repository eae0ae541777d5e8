#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <functional>

#include "change_highlight/original_value_text.h"
#include "highlight_fixture.h"
#include "record_form/item_selection.h"

namespace {

// Mouse events as the window system delivers them to a caption.
void send_mouse(QWidget* widget, QEvent::Type type, Qt::MouseButton button) {
  const QPointF at(2, 2);
  QMouseEvent event(type, at, widget->mapToGlobal(at), button,
                    type == QEvent::MouseButtonPress ? button : Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(widget, &event);
}

void hover(QWidget* widget) {
  send_mouse(widget, QEvent::MouseMove, Qt::NoButton);
}

void click(QWidget* widget) {
  send_mouse(widget, QEvent::MouseButtonPress, Qt::LeftButton);
  send_mouse(widget, QEvent::MouseButtonRelease, Qt::LeftButton);
}

class original_values : public highlight_form {
 protected:
  original_values() {
    original = fixture_staff();
    current = original;
    lookups().currency_list = {"Not set; 0", "Pound; 1", "Euro; 2"};
    editor().current_staff = &current;
    editor().original_staff = &original;
  }

  // The original value as a click on the caption shows it, after the record is coloured.
  QString clicked(const char* label) {
    highlight_staff_changes(controls, &current, editor().original_staff);
    dialogs.clear();
    labelClick(controls.find(label), controls);
    if (dialogs.shown().empty())
      return QStringLiteral("<nothing shown>");
    EXPECT_EQ(dialogs.last().type, message_type::information);
    EXPECT_EQ(dialogs.last().buttons, message_buttons::ok);
    return dialogs.last().text;
  }

  QString message_for(const char* label, const QString& value) {
    return "Original value of '" + caption_of(label) + "':\n" + value;
  }

  qor_staff original;
  qor_staff current;
};

TEST_F(original_values, AClickOnAChangedCaptionShowsTheOriginalInTheMessage) {
  original.StaffFirstName = "Jon";
  current.StaffFirstName = "John";
  EXPECT_EQ(clicked("staff_label_first_name"), message_for("staff_label_first_name", "Jon"));

  // A plain caption shows nothing.
  current.StaffFirstName = "Jon";
  EXPECT_EQ(clicked("staff_label_first_name"), "<nothing shown>");
}

TEST_F(original_values, OriginalsAreWrittenAsTheFormShowsThem) {
  struct value_case {
    const char* label;
    std::function<void(qor_staff&)> set_original;
    std::function<void(qor_staff&)> set_current;
    const char* expected;
  };
  const value_case cases[] = {
      {"staff_label_pl_height_amount", [](qor_staff& s) { s.StaffPlayerHeightAmount = 1.8f; },
       [](qor_staff& s) { s.StaffPlayerHeightAmount = 1.9f; }, "1.80"},
      {"staff_label_pl_weight_amount", [](qor_staff& s) { s.StaffPlayerWeightAmount = 75; },
       [](qor_staff& s) { s.StaffPlayerWeightAmount = 76; }, "75.00"},
      {"staff_label_int_apps",
       [](qor_staff& s) { s.StaffInternationalApps = static_cast<std::int8_t>(200); },
       [](qor_staff& s) { s.StaffInternationalApps = 100; }, "200"},
      {"staff_label_ambition", [](qor_staff& s) { s.StaffAmbition = 15; },
       [](qor_staff& s) { s.StaffAmbition = 14; }, "15"},
      {"staff_label_third_nation_declared",
       [](qor_staff& s) {
         s.StaffThirdNation = "Wales";
         s.StaffThirdNationDeclared = "True";
       },
       [](qor_staff& s) { s.StaffThirdNationDeclared = "False"; }, "Declared: True"},
      {"staff_third_nation_declared",
       [](qor_staff& s) {
         s.StaffThirdNation = "Wales";
         s.StaffThirdNationDeclared = "True";
       },
       [](qor_staff& s) { s.StaffThirdNation = "England"; }, "Wales (Declared: True)"},
      {"staff_label_can_be_recalled", [](qor_staff& s) { s.StaffCanBeRecalled = "True"; },
       [](qor_staff& s) { s.StaffCanBeRecalled = "False"; }, "Recallable: True"},
      {"staff_label_club_job_for", [](qor_staff& s) { s.StaffJobForClub = 2; },
       [](qor_staff& s) { s.StaffJobForClub = 1; }, "Beta; 2"},
      // A code no entry carries.
      {"staff_label_club_job_for", [](qor_staff& s) { s.StaffJobForClub = 62; },
       [](qor_staff& s) { s.StaffJobForClub = 1; }, "(empty)"},
      {"staff_label_classification", [](qor_staff& s) { s.StaffClassification = 2; },
       [](qor_staff& s) { s.StaffClassification = 1; }, "Player"},
      // A row past the list's end reads nothing rather than past it.
      {"staff_label_classification", [](qor_staff& s) { s.StaffClassification = 90; },
       [](qor_staff& s) { s.StaffClassification = 1; }, "(empty)"},
      // The currency comes from its code, the row beside it being never set.
      {"staff_label_estimated_wage_currency",
       [](qor_staff& s) { s.StaffEstimatedWageCurrency = 2; },
       [](qor_staff& s) { s.StaffEstimatedWageCurrency = 1; }, "Euro"},
      {"staff_label_first_name", [](qor_staff& s) { s.StaffFirstName = ""; },
       [](qor_staff& s) { s.StaffFirstName = "New"; }, "(empty)"},
  };
  for (const value_case& c : cases) {
    original = fixture_staff();
    current = original;
    c.set_original(original);
    current = original;
    c.set_current(current);
    highlight_staff_changes(controls, &current, &original);
    QWidget* caption = controls.find(c.label);
    ASSERT_NE(font_color(caption), clWindowText) << c.label;
    EXPECT_EQ(original_value_text(*caption, controls), QString(c.expected)) << c.label;
  }
}

// A malformed lookup entry has no code: an original code of -1 is not shown as that entry.
TEST_F(original_values, AMalformedEntryIsNeverTheOriginalOfACode) {
  lookups().city_list = {"Not set; 0", "Broken", "Ashby; 4"};
  controls.choice_model("injury_list")->setStringList({"Not set; 0", "Broken", "Knee; 2"});
  original.StaffCityOfBirth = -1;
  current.StaffCityOfBirth = 4;
  original.StaffInjury = -1;
  current.StaffInjury = 2;
  highlight_staff_changes(controls, &current, &original);
  for (const char* label : {"staff_label_city_of_birth", "staff_label_injury"}) {
    ASSERT_NE(font_color(controls.find(label)), clWindowText) << label;
    EXPECT_EQ(original_value_text(*controls.find(label), controls), QString("(empty)")) << label;
  }
}

TEST_F(original_values, AnItemCaptionShowsTheOriginalOfTheItemSelected) {
  struct language_case {
    std::int32_t type;
    const char* word;
  };
  const language_case cases[] = {{2, "Fluent"},  {5, "None"},    {6, "Never"},
                                 {0, "Not Set"}, {7, "Not Set"}, {-3, "Not Set"}};
  for (const language_case& c : cases) {
    qor_staff_language before;
    before.StaffLanguagesType = c.type;
    qor_staff_language now = before;
    now.StaffLanguagesType = 3;
    item_selection<item_kind::language>& selection = selected_item<item_kind::language>();
    selection = {&now, &before, 0};
    highlight_selected_item<item_kind::language>(controls);
    dialogs.clear();
    labelClick(controls.find("staff_language_type_label"), controls);
    ASSERT_EQ(dialogs.shown().size(), 1u) << c.type;
    EXPECT_EQ(dialogs.last().text, message_for("staff_language_type_label", c.word)) << c.type;
  }
}

// Without an original there is nothing to show, whatever colour a caption was left in.
TEST_F(original_values, NothingIsShownForARecordOrItemWithoutOriginal) {
  current.StaffFirstName = "Changed";
  highlight_staff_changes(controls, &current, &original);
  QWidget* label = controls.find("staff_label_first_name");
  ASSERT_EQ(font_color(label), clRed);
  editor().original_staff = nullptr;
  dialogs.clear();
  labelClick(label, controls);
  labelMouseMove(label, controls);
  EXPECT_TRUE(dialogs.shown().empty());
  EXPECT_TRUE(label->toolTip().isEmpty());
  EXPECT_EQ(original_value_text(*label, controls), std::nullopt);

  qor_staff_history item;
  item.StaffHistoryApps = 4;
  selected_item<item_kind::history>() = {&item, nullptr, 0};
  set_font_color(controls.find("staff_history_apps_label"), clGreen);
  labelClick(controls.find("staff_history_apps_label"), controls);
  EXPECT_TRUE(dialogs.shown().empty());
}

// The tip is built once per colouring, from the original of the record then on screen.
TEST_F(original_values, HoveringBuildsTheTipOnceAndAPlainCaptionHasNone) {
  original.StaffFirstName = "Jon";
  current.StaffFirstName = "John";
  highlight_staff_changes(controls, &current, &original);
  QWidget* label = controls.find("staff_label_first_name");
  hover(label);
  EXPECT_EQ(label->toolTip(), "Original value: Jon");

  original.StaffFirstName = "Jonathan";  // not asked again until the next colouring
  hover(label);
  EXPECT_EQ(label->toolTip(), "Original value: Jon");
  highlight_staff_changes(controls, &current, &original);
  EXPECT_TRUE(label->toolTip().isEmpty());
  hover(label);
  EXPECT_EQ(label->toolTip(), "Original value: Jonathan");

  current.StaffFirstName = "Jonathan";
  highlight_staff_changes(controls, &current, &original);
  label->setToolTip("left over");
  hover(label);
  EXPECT_TRUE(label->toolTip().isEmpty());
}

TEST_F(original_values, ARealClickOnAColouredCaptionOpensTheMessage) {
  original.StaffAmbition = 15;
  current.StaffAmbition = 18;
  highlight_staff_changes(controls, &current, &original);
  QWidget* label = controls.find("staff_label_ambition");
  ASSERT_EQ(font_color(label), clGreen);
  dialogs.clear();
  click(label);
  ASSERT_EQ(dialogs.shown().size(), 1u);
  EXPECT_EQ(dialogs.last().text, message_for("staff_label_ambition", "15"));
}

}  // namespace
