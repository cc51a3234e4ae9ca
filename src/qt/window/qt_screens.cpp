// The screens, their size, and where the window manager put the main window.
#include "qt/qt_platform.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace pv::qt {

int QtPlatform::GetSystemMetrics(int index) {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return 0;
    QRect area = screen->geometry();
    if (index == SM_CXSCREEN) return area.width();
    if (index == SM_CYSCREEN) return area.height();
    return 0;
}

std::vector<RECT> QtPlatform::Screens() {
    std::vector<RECT> screens;
    QScreen* primary = QGuiApplication::primaryScreen();
    for (QScreen* screen : QGuiApplication::screens()) {
        QRect area = screen->geometry();
        RECT r{area.left(), area.top(), area.left() + area.width(), area.top() + area.height()};
        if (screen == primary) {
            screens.insert(screens.begin(), r);
        } else {
            screens.push_back(r);
        }
    }
    return screens;
}

BOOL QtPlatform::GetWindowRect(HWND window, RECT* rect) {
    if (window != mainHandle_ || main_ == nullptr || rect == nullptr) {
        return Platform::GetWindowRect(window, rect);
    }
    // The place is the real one, which the game saves and puts back as it is; the size is in the
    // game's units, whatever the zoom.
    QRect frame = main_->frameGeometry();
    QSize size = zoom_.ToGame(frame.size());
    *rect =
        RECT{frame.left(), frame.top(), frame.left() + size.width(), frame.top() + size.height()};
    return TRUE;
}

UINT QtPlatform::GetDpiForWindow(HWND window) {
    QWidget* widget = Widget(window);
    if (widget == nullptr) return 0;
    return static_cast<UINT>(std::lround(USER_DEFAULT_SCREEN_DPI * widget->devicePixelRatioF()));
}

// In Qt's logical pixels, so that the desktop's own scaling is already taken out.
BOOL QtPlatform::SystemParametersInfoA(UINT action, UINT param, void* data, UINT winIni) {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (action != SPI_GETWORKAREA || data == nullptr || screen == nullptr) {
        return Platform::SystemParametersInfoA(action, param, data, winIni);
    }
    QRect area = screen->availableGeometry();
    *static_cast<RECT*>(data) =
        RECT{area.left(), area.top(), area.left() + area.width(), area.top() + area.height()};
    return TRUE;
}

}  // namespace pv::qt
