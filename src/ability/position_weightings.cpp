#include "position_weightings.h"

POSITION_WEIGHTINGS& weightings() {
  static POSITION_WEIGHTINGS table;
  return table;
}
