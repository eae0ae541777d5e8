#pragma once

#include <cstdint>

struct qor_staff;

// The category tests the analysis pages share. A player is classification 2 or 3 (is_player of
// the record store); these add the club of the loaded file.

// Contracted to the file's club; any other club, none included, is "other club or free".
bool is_contracted(const qor_staff& staff, std::int32_t file_club_id);

// On loan to the file's club, whatever the classification.
bool is_loanee(const qor_staff& staff, std::int32_t file_club_id);

// Every one of the fifteen playing-position ratings is 0.
bool player_has_no_position(const qor_staff& staff);
