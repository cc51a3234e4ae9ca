#include "animation/tick.h"

namespace pv {

void OnTick(Game& /*g*/) {}

}  // namespace pv
