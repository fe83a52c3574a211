// The open campaign map, before it is rolled up for the transition animation.
#pragma once

#include "loop_transition.hpp"

namespace transition {

// The parchment (kMapW x kMapH, transparent past its ragged edges) for the way from level n to
// level n + 1: the road travelled so far, `legShown` (0..1) of the new leg, and the pin on the
// next stage (marker 0 none, 1 falling, 2 planted).
art::Canvas openMap(int n, float legShown, int marker);

} // namespace transition
