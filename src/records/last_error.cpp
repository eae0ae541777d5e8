#include "last_error.h"

#include <system_error>

namespace {
std::string last_error;
}

void set_last_error(std::string_view message) {
  last_error.assign(message);
}

const std::string& get_last_error() {
  return last_error;
}

std::string system_reason(int error) {
  return std::generic_category().message(error);
}
