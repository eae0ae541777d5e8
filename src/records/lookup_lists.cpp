#include "lookup_lists.h"

lookup_lists& lookups() {
  static lookup_lists lists;
  return lists;
}
