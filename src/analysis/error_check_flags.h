#pragma once

// The six switches of the record checks run when a staff record is left. They last for one
// run and are never stored: every run starts with all six on. The preferred-moves check has no
// switch.
struct error_check_flags {
  bool name = true;
  bool birth_details = true;
  bool nationality = true;
  bool reputation = true;
  bool ability = true;
  bool positions = true;
};

// The switches of the program.
error_check_flags& error_checks();
