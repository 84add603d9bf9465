#pragma once

#include <cfloat>

// Every rate computation must round each double operation on its own; a
// wider evaluation (x87) would move results across the truncation points.
static_assert(FLT_EVAL_METHOD == 0, "double arithmetic must not use extended precision");
