#pragma once

#include <QString>
#include <filesystem>
#include <memory>
#include <string>

#include "platform/app_locale.h"
#include "platform/scripted_dialog_service.h"

// The folder holding the shipped data/ and img/.
std::filesystem::path source_folder();

// A fresh empty folder under the system's temporary folder, removed with the object.
class temporary_folder {
 public:
  temporary_folder();
  ~temporary_folder();
  temporary_folder(const temporary_folder&) = delete;
  temporary_folder& operator=(const temporary_folder&) = delete;
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// What every window test runs under: a fixed English locale and clock, scripted dialogs, and a
// program folder (the source tree with the shipped data unless a test points it elsewhere).
// The lookup lists and the editor state start empty and are emptied again afterwards.
class window_test_environment {
 public:
  window_test_environment();
  ~window_test_environment();

  scoped_scripted_dialogs dialogs;

 private:
  scoped_app_locale locale_;
};

// A copy of the shipped program folder (data/ and img/) in a temporary folder, made the program
// folder for the object's lifetime so that a test can remove or change files.
class copied_program_folder {
 public:
  copied_program_folder();
  ~copied_program_folder();
  const std::filesystem::path& path() const { return folder_.path(); }
  std::filesystem::path data() const { return folder_.path() / "data"; }

 private:
  temporary_folder folder_;
};
