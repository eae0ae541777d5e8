#include "file_menu_test_support.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QTest>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>

#include "../support/click_focus.h"
#include "platform/app_locale.h"
#include "platform/item_objects.h"
#include "platform/owner_drawn_list_view.h"
#include "records/load_observer.h"
#include "records/staff_backup.h"
#include "records/staff_reader.h"
#include "records/staff_writer.h"

namespace fs = std::filesystem;

fs::path fixture_file(std::string_view name) {
  return fs::path(STAFF_EDITOR_FIXTURES_DIR) / name;
}

fs::path example_club_file() {
  return source_folder() / "examples" / "sporting_ladremville.staff";
}

std::string read_file_bytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

void write_file_bytes(const fs::path& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

bool reload_file(const fs::path& path, data_set& data) {
  silent_load_observer observer;
  return load_data(path.string(), data, load_context{app_locale(), observer});
}

const qor_staff* find_staff(const record_vector<qor_staff>& staff, std::int32_t id) {
  for (const auto& record : staff) {
    if (record && record->StaffID == id)
      return record.get();
  }
  return nullptr;
}

staff_snapshot take_staff_snapshot(const record_store& records) {
  staff_snapshot snapshot;
  for (const auto& record : records.staff_list)
    snapshot.current.push_back(*record);
  for (const auto& record : records.staff_orig_list)
    snapshot.originals.push_back(*record);
  return snapshot;
}

bool same_record(const qor_staff& a, const qor_staff& b) {
  // Records are zero-filled at creation and copied whole, so equal records are equal bytes.
  return std::memcmp(&a, &b, sizeof a) == 0;
}

file_menu_test::file_menu_test() {
  window.show();
  QApplication::setActiveWindow(&window);
}

fs::path file_menu_test::copy_to_folder(const fs::path& source, std::string_view name) {
  const fs::path target = folder.path() / name;
  fs::copy_file(source, target, fs::copy_options::overwrite_existing);
  return target;
}

fs::path file_menu_test::write_as_saved(data_set& data, std::string_view name) {
  const fs::path path = folder.path() / name;
  const auto write = [&path](data_set& written) {
    std::FILE* out = std::fopen(path.string().c_str(), "wb");
    ASSERT_NE(out, nullptr);
    EXPECT_TRUE(write_staff_file(out, written, app_locale()));
    std::fclose(out);
  };
  write(data);
  data_set read;
  EXPECT_TRUE(reload_file(path, read));
  write(read);
  return path;
}

fs::path file_menu_test::write_file_without_staff() {
  const std::string every = read_file_bytes(fixture_file("every_section.staff"));
  std::size_t end = 0;
  for (int line = 0; line < 4; ++line)
    end = every.find('\n', end) + 1;
  const fs::path path = folder.path() / "Empty.staff";
  write_file_bytes(path, every.substr(0, end));
  return path;
}

QString file_menu_test::qt_path(const fs::path& path) const {
  return QFile::decodeName(QByteArray::fromStdString(path.string()));
}

void file_menu_test::open_through_menu(const fs::path& path) {
  environment.dialogs.queue_path(qt_path(path));
  window.menu_open->trigger();
}

int file_menu_test::list_entry_of(const qor_staff* staff) const {
  for (int index = 0; index < window.list_box->count(); ++index) {
    if (entry_object<qor_staff>(window.list_box, index) == staff)
      return index;
  }
  return -1;
}

void file_menu_test::select_staff(std::int32_t id) {
  const int index = list_entry_of(find_staff(store().staff_list, id));
  ASSERT_GE(index, 0) << "no entry for staff " << id;
  window.list_box->set_item_index(index);
  window.list_boxClick();
}

void file_menu_test::click_staff_entry(int index) {
  ASSERT_TRUE(index >= 0 && index < window.list_box->count()) << "no staff entry " << index;
  const QModelIndex entry = window.list_box->model()->index(index, 0);
  window.list_box->scrollTo(entry);
  QTest::mouseClick(window.list_box->viewport(), Qt::LeftButton, {},
                    window.list_box->visualRect(entry).center());
}

void file_menu_test::focus_on(const char* name) {
  QWidget* control = window.controls().find(name);
  ASSERT_NE(control, nullptr) << name;
  focus_as_by_click(control);
}

QLineEdit* file_menu_test::edit(const char* name) {
  auto* control = window.controls().get<QLineEdit>(name);
  EXPECT_NE(control, nullptr) << name;
  return control;
}

std::vector<QString> file_menu_test::list_texts() const {
  std::vector<QString> texts;
  for (int index = 0; index < window.list_box->count(); ++index)
    texts.push_back(window.list_box->entry_text(index));
  return texts;
}

std::vector<fs::path> file_menu_test::backups() const {
  std::vector<fs::path> found;
  if (fs::exists(backup_folder())) {
    for (const fs::directory_entry& entry : fs::directory_iterator(backup_folder()))
      found.push_back(entry.path());
  }
  return found;
}
