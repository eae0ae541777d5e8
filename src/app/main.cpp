#include <QApplication>
#include <QFile>
#include <exception>
#include <filesystem>

#include "analysis_views/error_check_popup.h"
#include "main_window/find_club_buttons.h"
#include "main_window/find_club_name_form.h"
#include "main_window/item_club_picks.h"
#include "main_window/main_window.h"
#include "platform/app_locale.h"
#include "platform/dialog_service.h"
#include "records/program_paths.h"
#include "records/record_store.h"

// The program entry: no command line, settings or environment are read.
int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // Set as the application's name, not its display name, so window captions stay as they are.
  QApplication::setApplicationName("Tolvan2013 Staff Editor");
  try {
    set_program_folder(
        std::filesystem::path(QFile::encodeName(QApplication::applicationDirPath()).toStdString()));
    init_locale_settings(locale_data(), app_locale());
    Tfrm_main frm_main;
    frm_popup = new Tfrm_popup(&frm_main);
    frm_find_club_name = new Tfrm_find_club_name(&frm_main);
    bind_find_club_buttons(frm_main.controls(), item_club_pick_follow_ups(frm_main.controls()));
    frm_main.show();
    QApplication::exec();
  } catch (const std::exception& error) {
    show_error(error.what());
  }
  return 0;
}
