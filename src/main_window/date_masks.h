#pragma once

#include <QString>
#include <span>
#include <string_view>
#include <vector>

class form_controls;

// The date edits of the record pages, whose mask and hint follow the locale's date order.
std::span<const char* const> date_edit_names();

// The Qt input mask for one of the reader's date masks ("!99/99/9999;1;_"): digits where it has
// them, the locale's separator where it has '/', and blanks for unfilled places, as the record
// pages are built with. An empty mask gives an empty text.
QString qt_date_mask(std::string_view mask, char separator);

// Sets the mask and the "Format: ..." hint of every date edit for the order; the two
// unavailability edits keep their hints. An empty or unknown order changes nothing. Returns the
// names of the date edits the pages lack.
std::vector<std::string_view> apply_date_format_to_masks(form_controls& controls,
                                                         std::string_view order, char separator);
