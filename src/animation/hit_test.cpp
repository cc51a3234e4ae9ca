#include "animation/hit_test.h"

#include "assets/catalogue.h"
#include "drill/judge.h"
#include "screens/screens.h"

namespace pv {

void HitTest(Game& g, LPARAM point, Click click) {
    if (g.actionDelay == 0) ShowFace(g, Face::Neutral);
    // x is signed so that a point left of the window becomes a huge unsigned value and hits
    // no box.
    auto x = static_cast<std::uint32_t>(static_cast<std::int32_t>(
        static_cast<std::int16_t>(LOWORD(static_cast<std::uintptr_t>(point)))));
    std::uint32_t y = HIWORD(static_cast<std::uintptr_t>(point));
    for (const Hotspot& spot : g.hotspots) {
        g.hoverActive = 0;
        if (spot.x == 0) return;
        g.currentHint = spot.text;
        bool inside =
            x > spot.x && y > spot.y && x < spot.x + kHotspotSize && y < spot.y + kHotspotSize;
        if (!inside) continue;
        g.hoverActive = 1;
        if (click == Click::Yes && !AnotherScreenOpen(g)) {
            g.platform.PostMessageA(g.mainWindow, WM_COMMAND, spot.command, 0);
        }
        return;
    }
}

}  // namespace pv
