#include "animation/hotspots.h"

namespace pv {

void HitTest(Game& /*g*/, LPARAM /*point*/, int /*click*/) {}

}  // namespace pv
