#include "app/about.h"

#include "audio/sound.h"
#include "memory/memory.h"
#include "screens/screens.h"

namespace pv {

void OpenAbout(Game& g) {
    Platform& p = g.platform;
    PlaySoundEffect(g, Sound::Click);
    ShowDrillScreen(g, Visibility::Hidden);
    for (HWND control : {g.aboutPicture, g.aboutText, g.contactText, g.aboutOkButton}) {
        p.ShowWindow(control, SW_SHOWNORMAL);
    }
    p.SetFocus(g.contactText);
    // A game under the panel only hides; it goes on where it stood when the panel closes.
    if (g.memoryOpen != 0) ShowMemoryBoard(g, Visibility::Hidden);
    g.aboutOpen = 1;
}

void CloseAbout(Game& g) {
    Platform& p = g.platform;
    PlaySoundEffect(g, Sound::Click);
    for (HWND control : {g.aboutPicture, g.aboutText, g.contactText, g.aboutOkButton}) {
        p.ShowWindow(control, SW_HIDE);
    }
    if (g.memoryOpen != 0) {
        ShowMemoryBoard(g, Visibility::Shown);
        // The card the arrows framed shows its frame again, as Enter still turns it.
        if (g.cardFocus >= 0) p.SetFocus(g.cardButtons[static_cast<std::size_t>(g.cardFocus)]);
    } else {
        ShowDrillScreen(g, Visibility::Shown);
    }
    g.aboutOpen = 0;
}

}  // namespace pv
