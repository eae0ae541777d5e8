#pragma once

#include "records/record_store.h"

// True when both stores hold the same records in the same order, field by field as the file
// holds them.
bool same_records(const record_store& a, const record_store& b);
