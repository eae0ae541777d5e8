#pragma once

#include <functional>
#include <string>
#include <vector>

#include "records/record_store.h"

struct rca_line {
  const qor_staff* staff;
  std::string text;  // "second name, CA, RCA, difference"
};

// Stores each player's recommended minus current ability in rca_ca_difference, sorts the staff
// vector itself by it (greatest first, then display name) and lists the players in that order.
// `recommended` is asked once per player.
std::vector<rca_line> list_rca_ca_difference(
    record_vector<qor_staff>& staff, const std::function<int(const qor_staff&)>& recommended);
