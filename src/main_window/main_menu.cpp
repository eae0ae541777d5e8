#include <QAction>
#include <QActionGroup>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <span>

#include "analysis_views/error_check_popup.h"
#include "main_window/main_window.h"
#include "platform/dialog_service.h"
#include "platform/event_bindings.h"
#include "platform/focus_tracker.h"
#include "platform/owner_drawn_list_view.h"
#include "platform/win1252.h"

namespace {

struct menu_item {
  QAction* Tfrm_main::*action;  // null for a separator
  const char* name;
  const char* caption;
  const char* shortcut;
  bool enabled;
  bool visible;
};

constexpr menu_item file_items[] = {
    {&Tfrm_main::menu_open, "menu_open", "&Open...", "Ctrl+O", true, true},
    {&Tfrm_main::menu_save, "menu_save", "&Save", "Ctrl+S", false, true},
    {&Tfrm_main::menu_save_as, "menu_save_as", "Save &as...", "", false, true},
    {nullptr, "", "", "", true, true},
    {&Tfrm_main::menu_exit, "menu_exit", "E&xit", "Alt+F4", true, true},
};

constexpr menu_item edit_items[] = {
    {&Tfrm_main::menu_cut, "menu_cut", "Cu&t", "Ctrl+X", true, true},
    {&Tfrm_main::menu_copy, "menu_copy", "&Copy", "Ctrl+C", true, true},
    {&Tfrm_main::menu_paste, "menu_paste", "&Paste", "Ctrl+V", true, true},
    {&Tfrm_main::menu_delete, "menu_delete", "De&lete", "Del", true, true},
    {nullptr, "", "", "", true, true},
    {&Tfrm_main::menu_find, "menu_find", "&Find...", "Ctrl+F", false, false},
    {&Tfrm_main::menu_find_again, "menu_find_again", "Find &again", "F3", false, false},
    {nullptr, "", "", "", false, false},
    {&Tfrm_main::menu_new, "menu_new", "&Add staff..", "Ctrl+N", true, true},
    {&Tfrm_main::menu_delete_object, "menu_delete_object", "&Delete item", "Ctrl+D", false, false},
    {&Tfrm_main::menu_paste_object, "menu_paste_object", "Paste &item", "Ctrl+G", false, false},
};

constexpr menu_item tools_items[] = {
    {&Tfrm_main::menu_error_checking, "menu_error_checking", "Error Checking", "", true, true},
};

constexpr menu_item help_items[] = {
    {&Tfrm_main::menu_about, "menu_about", "&About...", "", true, true},
};

QMenu* add_menu(QMenuBar* bar, const char* name, const char* caption) {
  QMenu* menu = bar->addMenu(from_win1252(caption));
  menu->setObjectName(name);
  menu->menuAction()->setObjectName(QString(name) + "_action");
  return menu;
}

void add_items(Tfrm_main& window, QMenu* menu, std::span<const menu_item> items,
               QActionGroup* group = nullptr) {
  for (const menu_item& item : items) {
    QAction* action =
        item.action ? menu->addAction(from_win1252(item.caption)) : menu->addSeparator();
    if (item.action) {
      action->setObjectName(item.name);
      window.*item.action = action;
      if (*item.shortcut)
        action->setShortcut(QKeySequence(item.shortcut));
      if (group)
        group->addAction(action);
    }
    action->setEnabled(item.enabled);
    action->setVisible(item.visible);
  }
}

}  // namespace

void Tfrm_main::build_main_menu() {
  QMenuBar* bar = menuBar();
  bar->setObjectName("main_menu");
  // The group switches the Edit items off and back on while keeping those that stay disabled.
  edit_actions_ = new QActionGroup(this);
  edit_actions_->setExclusionPolicy(QActionGroup::ExclusionPolicy::None);

  menu_file = add_menu(bar, "menu_file", "&File");
  add_items(*this, menu_file, file_items);
  menu_edit = add_menu(bar, "menu_edit", "&Edit");
  add_items(*this, menu_edit, edit_items, edit_actions_);
  menu_tools = add_menu(bar, "menu_tools", "Tools");
  add_items(*this, menu_tools, tools_items);
  menu_help = add_menu(bar, "menu_help", "&Help");
  add_items(*this, menu_help, help_items);
  set_edit_menu_enabled(false);

  on_menu_click(menu_open, [this] { menu_openClick(); });
  on_menu_click(menu_save, [this] { menu_saveClick(); });
  on_menu_click(menu_save_as, [this] { menu_save_asClick(); });
  on_menu_click(menu_exit, [this] { menu_exitClick(); });
  on_menu_click(menu_new, [this] { menu_newClick(); });
  on_menu_click(menu_cut, [this] { menu_cutClick(); });
  on_menu_click(menu_copy, [this] { menu_copyClick(); });
  on_menu_click(menu_paste, [this] { menu_pasteClick(); });
  on_menu_click(menu_delete, [this] { menu_deleteClick(); });
  focus().set_enter_handler(list_box, [this] { list_boxEnter(); });
  focus().set_exit_handler(list_box, [this] {
    list_boxExit();
    return true;
  });
  on_menu_click(menu_error_checking, [this] { menu_error_checkingClick(); });
  on_menu_click(menu_about, [this] { menu_aboutClick(); });
  for (QAction* unfinished : {menu_find, menu_find_again, menu_delete_object})
    on_menu_click(unfinished, [this] { menu_not_implementedClick(); });
}

void Tfrm_main::set_edit_menu_enabled(bool enabled) {
  menu_edit->menuAction()->setEnabled(enabled);
  edit_actions_->setEnabled(enabled);
}

void Tfrm_main::menu_exitClick() {
  close();
}

void Tfrm_main::menu_error_checkingClick() {
  run_error_check_popup(frm_popup);
}

void Tfrm_main::menu_aboutClick() {
  show_information(
      "Tolvan2014 Staff Editor v2.4\n"
      "Reviews and edits the staff of one club exported from the research database.");
}

void Tfrm_main::menu_not_implementedClick() {
  show_message("N/I");
}
