#pragma once

#include <string>
#include <string_view>

// The one channel through which loading and saving report why they failed.
void set_last_error(std::string_view message);
const std::string& get_last_error();

// The system's text for an error number ("No space left on device"), with which messages give
// the reason a file operation failed.
std::string system_reason(int error);
