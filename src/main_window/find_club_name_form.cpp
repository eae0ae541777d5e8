#include "main_window/find_club_name_form.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <filesystem>
#include <string_view>

#include "main_window/lookup_files.h"
#include "platform/dialog_service.h"
#include "platform/event_bindings.h"
#include "platform/run_guarded.h"
#include "platform/win1252.h"
#include "records/lookup.h"
#include "records/program_paths.h"

Tfrm_find_club_name* frm_find_club_name = nullptr;

namespace {

// Upper case of a Windows-1252 letter, accented ones included, so "é" finds "É".
char upper_win1252(unsigned char c) {
  if ((c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7))
    return static_cast<char>(c - 0x20);
  switch (c) {
    case 0x9A:  // š
    case 0x9C:  // œ
    case 0x9E:  // ž
      return static_cast<char>(c - 0x10);
    case 0xFF:  // ÿ
      return static_cast<char>(0x9F);
    default:
      return static_cast<char>(c);
  }
}

std::string to_upper_win1252(std::string_view text) {
  std::string upper(text);
  for (char& c : upper)
    c = upper_win1252(static_cast<unsigned char>(c));
  return upper;
}

QLabel* make_label(const char* name, const char* text, QWidget* parent) {
  auto* label = new QLabel(from_win1252(text), parent);
  label->setObjectName(name);
  return label;
}

QPushButton* make_button(const char* name, const char* text, QWidget* parent) {
  auto* button = new QPushButton(from_win1252(text), parent);
  button->setObjectName(name);
  return button;
}

}  // namespace

Tfrm_find_club_name::Tfrm_find_club_name(QWidget* owner) : QDialog(owner) {
  setObjectName("frm_find_club_name");
  setWindowTitle("frm_find_club_name");
  setModal(true);
  resize(623, 342);
  build_layout();
  // A missing or unreadable club file is not reported: the picker then lists nothing.
  const std::filesystem::path path = data_folder() / "club_list.txt";
  if (std::filesystem::exists(path))
    club_lines_ = read_text_lines(path).value_or(std::vector<std::string>{});
}

Tfrm_find_club_name::~Tfrm_find_club_name() {
  if (frm_find_club_name == this)
    frm_find_club_name = nullptr;
}

void Tfrm_find_club_name::build_layout() {
  Label1 = make_label("Label1", "Filter:", this);
  filter_edit_box = new QLineEdit(this);
  filter_edit_box->setObjectName("filter_edit_box");
  Label2 = make_label("Label2", "Results:", this);
  result_count = make_label("result_count", "", this);
  club_name_list_box = new QListWidget(this);
  club_name_list_box->setObjectName("club_name_list_box");
  club_name_list_box->setSelectionMode(QAbstractItemView::SingleSelection);
  ok_btn = make_button("ok_btn", "OK", this);
  cancel_btn = make_button("cancel_btn", "Cancel", this);
  // Enter picks the selected club; Escape closes the dialog as Cancel does.
  ok_btn->setDefault(true);

  auto* layout = new QGridLayout(this);
  layout->addWidget(Label1, 0, 0);
  layout->addWidget(filter_edit_box, 0, 1);
  layout->addWidget(Label2, 0, 2);
  layout->addWidget(result_count, 0, 3);
  layout->addWidget(club_name_list_box, 1, 0, 1, 4);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(ok_btn);
  buttons->addWidget(cancel_btn);
  layout->addLayout(buttons, 2, 0, 1, 4);
  layout->setColumnStretch(1, 1);

  // Every change of the text refilters, the program's own changes as well as the user's.
  connect(filter_edit_box, &QLineEdit::textChanged, this,
          [this] { run_guarded([this] { filter_edit_boxChange(); }); });
  connect(club_name_list_box, &QListWidget::itemDoubleClicked, this,
          [this] { run_guarded([this] { club_name_list_boxDblClick(); }); });
  on_button_click(ok_btn, [this] { ok_btnClick(); });
  on_button_click(cancel_btn, [this] { cancel_btnClick(); });
}

void Tfrm_find_club_name::reset_for_opening() {
  chosen_club_id_ = 0;
  listed_count_ = 0;
  result_count->clear();
  club_name_list_box->clear();
  listed_lines_.clear();
  {
    const QSignalBlocker quiet(filter_edit_box);
    filter_edit_box->clear();
  }
  // Run directly: clearing an edit that is already empty announces no change.
  filter_edit_boxChange();
}

void Tfrm_find_club_name::filter_edit_boxChange() {
  const std::string filter = to_upper_win1252(to_win1252(filter_edit_box->text()));
  result_count->clear();
  listed_count_ = 0;
  club_name_list_box->clear();
  listed_lines_.clear();
  // The match runs over the whole line, so a club's numbers match as well as its name.
  QStringList items;
  for (std::size_t i = 0; i < club_lines_.size(); ++i) {
    const std::string upper = to_upper_win1252(club_lines_[i]);
    if (upper.empty())
      continue;
    if (!filter.empty() && upper.find(filter) == std::string::npos)
      continue;
    items.append(from_win1252(club_lines_[i]));
    listed_lines_.push_back(i);
    ++listed_count_;
  }
  club_name_list_box->addItems(items);
  result_count->setText(QString::number(listed_count_));
}

bool Tfrm_find_club_name::pick_selected_line() {
  const QModelIndexList selected = club_name_list_box->selectionModel()->selectedRows();
  if (selected.isEmpty())
    return false;
  const auto row = static_cast<std::size_t>(selected.front().row());
  chosen_club_id_ = lookup_code(club_lines_[listed_lines_[row]]);
  accept();
  return true;
}

void Tfrm_find_club_name::ok_btnClick() {
  if (!pick_selected_line())
    show_warning("Please select a club from the list");
}

void Tfrm_find_club_name::club_name_list_boxDblClick() {
  pick_selected_line();
}

void Tfrm_find_club_name::cancel_btnClick() {
  chosen_club_id_ = 0;
  reject();
}

std::int32_t execute_find_club_name(Tfrm_find_club_name* picker) {
  if (picker == nullptr)
    return 0;
  picker->reset_for_opening();
  dialogs().show_modal(*picker);
  return picker->chosen_club_id();
}
