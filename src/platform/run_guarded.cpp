#include "platform/run_guarded.h"

#include <QString>
#include <exception>

#include "platform/dialog_service.h"

bool run_guarded(const std::function<void()>& handler) {
  try {
    handler();
    return true;
  } catch (const std::exception& error) {
    // Exception texts of the program are Windows-1252 like all its texts.
    show_error(error.what());
  } catch (...) {
    show_error("Unknown exception.");
  }
  return false;
}
