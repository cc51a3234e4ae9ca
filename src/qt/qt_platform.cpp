#include "qt/qt_platform.h"

#include <QTimer>

#include <memory>

#include "qt/screen_reader/accessible.h"

namespace pv::qt {

QtPlatform::QtPlatform()
    : audio_(std::make_unique<Audio>(this, [this](DWORD code) {
          // Back on the user-interface thread: the player's notice joins the queue.
          if (musicNotify_ != 0) PostMessageA(musicNotify_, MM_MCINOTIFY, code, 1);
      })) {
    InstallAccessibility();
    UseDesktopLanguage();
}

QtPlatform::~QtPlatform() {
    for (auto& [id, timer] : timers_) delete timer;
    delete main_;
    audio_.reset();  // before the queue it posts notices to goes away
}

}  // namespace pv::qt
