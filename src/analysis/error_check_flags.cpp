#include "analysis/error_check_flags.h"

error_check_flags& error_checks() {
  static error_check_flags flags;
  return flags;
}
