#include "record_form/pages/page_specs.h"

namespace {}  // namespace

page_spec check_list_page() {
  return {"TabSheet1", "15. Check List", {}, {}};
}
