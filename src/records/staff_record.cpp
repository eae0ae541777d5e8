#include "staff_record.h"

#include <cstddef>
#include <cstring>
#include <type_traits>

// Records are moved and compared through their column tables by byte offset.
static_assert(std::is_standard_layout_v<qor_staff>);
static_assert(std::is_trivially_copyable_v<qor_staff>);
static_assert(offsetof(qor_staff, StaffID) == 0);

qor_staff::qor_staff() {
  std::memset(static_cast<void*>(this), 0, sizeof *this);
}
