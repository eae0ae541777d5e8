#pragma once

#include <vector>

#include "analysis/general_counts.h"

// The loaded file as the analysis pages see it: its club, its squad ranges, today's ages and the
// club names of the club list.
survey_context current_survey_context();

// Each current staff record's age in years today, index for index with the staff vector.
std::vector<int> current_staff_ages();
