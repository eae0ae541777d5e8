#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// Lookup entries are lines such as "Not set; 0": a name, ';' and a whole-number code. Club
// entries carry four squad-size numbers between the name and the code.

// The whole number after the last ';' (blanks around it allowed); -1 when there is no ';' or
// that text is not a whole number, so a malformed entry never matches a real code.
int lookup_code(std::string_view entry);
// The same code, or nothing for a malformed entry: for searches by code, where a malformed
// entry must match nothing, not the code -1.
std::optional<int> lookup_code_if_valid(std::string_view entry);

// The text before the last ';'; empty when there is none.
std::string lookup_name(std::string_view entry);

// The text before the first ';'; empty when there is none.
std::string lookup_first_field(std::string_view entry);

// lookup_name of the first entry whose code equals `code`; empty when none does.
std::string lookup_name_by_code(const std::vector<std::string>& list, int code);

// First-field names from club_list, npt_list and ppm_list; empty when the code is unknown.
std::string get_club_name(int club_id);
std::string get_npt_name(int code);
std::string get_ppm_name(int code);

// get_club_name of every code the club list holds, read in one pass for walks that name the
// clubs of many records: the first entry of a code names it; a malformed entry names no code.
std::unordered_map<int, std::string> club_names_by_code();

// The four squad-size numbers of the club's club_list entry; false, outputs untouched, when
// the club has no entry.
bool lookup_club_player_ranges(int club_id, int& star_from, int& star_to, int& first_team_from,
                               int& first_team_to);
