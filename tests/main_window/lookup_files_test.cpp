#include "main_window/lookup_files.h"

#include <gtest/gtest.h>
#include <QComboBox>
#include <QStringListModel>
#include <QWidget>
#include <fstream>

#include "platform/win1252.h"
#include "record_form/form_controls.h"
#include "records/lookup_lists.h"
#include "records/program_paths.h"
#include "window_test_support.h"

namespace fs = std::filesystem;

namespace {

void write_file(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

TEST(read_text_lines, splits_lines_as_a_string_list_loads_them) {
  struct line_case {
    const char* bytes;
    std::vector<std::string> lines;
  };
  const line_case cases[] = {
      {"", {}},
      {"Not set; 0", {"Not set; 0"}},
      {"A; 1\r\nB; 2\r\n", {"A; 1", "B; 2"}},
      {"A; 1\nB; 2", {"A; 1", "B; 2"}},
      {"A; 1\rB; 2\r", {"A; 1", "B; 2"}},
      {"A; 1\r\n\r\nB; 2", {"A; 1", "", "B; 2"}},
      {"Caf\xE9 Miners\x92; 7\r\n", {"Caf\xE9 Miners\x92; 7"}},
  };
  temporary_folder folder;
  for (const line_case& c : cases) {
    write_file(folder.path() / "list.txt", c.bytes);
    EXPECT_EQ(read_text_lines(folder.path() / "list.txt"), c.lines) << c.bytes;
  }
  EXPECT_FALSE(read_text_lines(folder.path() / "absent.txt").has_value());
}

// Every drop-down list a lookup file feeds, as plain combos registered by name.
class lookup_loading : public testing::Test {
 protected:
  lookup_loading() {
    for (const lookup_file& file : lookup_files()) {
      for (const char* name : file.combos)
        add_combo(name);
      for (const fixed_items& items : file.then_add)
        add_combo(items.combo);
    }
  }

  void add_combo(const char* name) {
    auto* combo = new QComboBox(&form);
    combo->setObjectName(name);
    controls.add(combo);
  }

  QComboBox* combo(const char* name) { return controls.get<QComboBox>(name); }

  std::vector<fs::path> load() {
    return load_lookup_files(
        [this](std::string_view name) { return controls.get<QComboBox>(name); }, controls);
  }

  static QStringList file_items(const fs::path& path) {
    QStringList items;
    const std::vector<std::string> lines = read_text_lines(path).value();
    for (const std::string& line : lines)
      items.append(from_win1252(line));
    return items;
  }

  static QStringList combo_items(QComboBox* combo) {
    QStringList items;
    for (int row = 0; row < combo->count(); ++row)
      items.append(combo->itemText(row));
    return items;
  }

  window_test_environment environment;
  QWidget form;
  form_controls controls;
};

TEST_F(lookup_loading, shipped_files_fill_every_list_and_combo_through_one_model_per_file) {
  EXPECT_TRUE(load().empty());
  EXPECT_TRUE(environment.dialogs.shown().empty());
  for (const lookup_file& file : lookup_files()) {
    const fs::path path = data_folder() / file.file_name;
    const std::vector<std::string> lines = read_text_lines(path).value();
    EXPECT_FALSE(lines.empty()) << file.file_name;
    EXPECT_EQ(lookups().*file.list, lines) << file.file_name;
    const QStringList expected = file_items(path);
    for (const char* name : file.combos) {
      ASSERT_NE(combo(name), nullptr) << name;
      EXPECT_EQ(combo_items(combo(name)), expected) << name;
      EXPECT_EQ(combo(name)->model(), combo(file.combos[0])->model()) << name;
    }
  }
  // Clubs stay in the file's order; item 0 is the "not set" entry of every coded list.
  EXPECT_EQ(combo("staff_club_loan_to")->itemText(0), "None;0;0;0;0;0");
  EXPECT_EQ(combo("staff_injury")->itemText(0), "Not set; 0");
  EXPECT_EQ(combo_items(combo("staff_language_type")),
            QStringList({"Mother Tongue", "Fluent", "Good", "Basic", "None", "Never", "Not Set"}));
  EXPECT_EQ(combo("staff_injury_right_or_left")->count(), 4);
  // Records keep nations and languages as plain names, which their combos match whole: the
  // lists hold names only, led by an empty entry for "none".
  for (const char* name : {"staff_nation", "staff_language_language"}) {
    EXPECT_EQ(combo(name)->itemText(0), "") << name;
    for (int row = 1; row < combo(name)->count(); ++row)
      EXPECT_FALSE(combo(name)->itemText(row).contains(';')) << name << " row " << row;
  }
}

TEST_F(lookup_loading, a_missing_file_is_reported_with_its_path_and_leaves_only_its_lists_empty) {
  copied_program_folder folder;
  fs::remove(folder.data() / "injury_list.txt");
  const fs::path missing_path = folder.data() / "injury_list.txt";

  EXPECT_EQ(load(), std::vector<fs::path>{missing_path});

  ASSERT_EQ(environment.dialogs.shown().size(), 1u);
  const auto& shown = environment.dialogs.last();
  EXPECT_EQ(shown.type, message_type::error);
  EXPECT_EQ(shown.buttons, message_buttons::ok);
  EXPECT_EQ(shown.text, "Missing file: " + QString::fromStdString(missing_path.string()) +
                            ". Please make sure that this file is in the varnel editor data "
                            "folder then start application again.");
  EXPECT_TRUE(lookups().injury_list.empty());
  EXPECT_EQ(combo("staff_injury")->count(), 0);
  EXPECT_EQ(combo("staff_injury_injury")->count(), 0);
  // The built-in lists that follow the file are filled all the same, and so is the next file.
  EXPECT_EQ(combo_items(combo("staff_injury_right_or_left")),
            QStringList({"Not set; 0", "Right; 1", "Left; 2", "Unknown; 3"}));
  EXPECT_EQ(combo("staff_contract_clauses_loan_or_future")->count(), 3);
  EXPECT_EQ(combo_items(combo("staff_contract_clauses_win_or_qualify")),
            QStringList({"Not set; 0", "Win; 1", "Qualify; 2"}));
  EXPECT_GT(combo("staff_city_of_birth")->count(), 1);
}

TEST_F(lookup_loading, without_a_data_folder_every_file_is_reported_in_table_order) {
  temporary_folder empty_program_folder;
  set_program_folder(empty_program_folder.path());

  const std::vector<fs::path> missing = load();

  ASSERT_EQ(missing.size(), 24u);
  ASSERT_EQ(environment.dialogs.shown().size(), 24u);
  for (std::size_t i = 0; i < missing.size(); ++i) {
    EXPECT_EQ(missing[i], empty_program_folder.path() / "data" / lookup_files()[i].file_name);
    EXPECT_TRUE(environment.dialogs.shown()[i].text.contains(
        QString::fromStdString(missing[i].string()) + ". Please"));
  }
  EXPECT_EQ(combo("staff_club_contracted")->count(), 0);
  EXPECT_EQ(combo("staff_language_type")->itemText(6), "Not Set");
  EXPECT_EQ(combo("staff_injury_right_or_left")->count(), 4);
}

TEST_F(lookup_loading, an_empty_file_gives_empty_lists_and_no_message) {
  copied_program_folder folder;
  write_file(folder.data() / "ppm_list.txt", "");
  EXPECT_TRUE(load().empty());
  EXPECT_TRUE(environment.dialogs.shown().empty());
  EXPECT_TRUE(lookups().ppm_list.empty());
  EXPECT_EQ(combo("staff_ppm_move")->count(), 0);
}

TEST_F(lookup_loading, windows_1252_texts_become_their_characters_only_in_the_combos) {
  copied_program_folder folder;
  write_file(folder.data() / "city_list.txt", "Not set; 0\r\nZ\xE9lio\x92s Town; 1\r\n");
  load();
  EXPECT_EQ(lookups().city_list[1], "Z\xE9lio\x92s Town; 1");
  EXPECT_EQ(combo("staff_city_of_birth")->itemText(1), QString::fromUtf8("Zélio’s Town; 1"));
}

}  // namespace
