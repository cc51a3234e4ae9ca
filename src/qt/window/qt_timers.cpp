// Time, the timers, and waiting on Qt's event loop for the user's side.
#include "qt/qt_platform.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QTimer>

#include <chrono>

namespace pv::qt {

DWORD QtPlatform::GetTickCount() {
    auto now = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<DWORD>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

void QtPlatform::GetLocalTime(SYSTEMTIME* time) {
    QDateTime now = QDateTime::currentDateTime();
    QDate date = now.date();
    QTime clock = now.time();
    time->wYear = static_cast<WORD>(date.year());
    time->wMonth = static_cast<WORD>(date.month());
    time->wDayOfWeek = static_cast<WORD>(date.dayOfWeek() % 7);
    time->wDay = static_cast<WORD>(date.day());
    time->wHour = static_cast<WORD>(clock.hour());
    time->wMinute = static_cast<WORD>(clock.minute());
    time->wSecond = static_cast<WORD>(clock.second());
    time->wMilliseconds = static_cast<WORD>(clock.msec());
}

bool QtPlatform::WaitForInput() {
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents | QEventLoop::AllEvents);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return true;
}

void QtPlatform::StartTimer(HWND window, UINT id, UINT milliseconds) {
    QTimer*& timer = timers_[id];
    if (timer == nullptr) timer = new QTimer();
    timer->disconnect();
    QObject::connect(timer, &QTimer::timeout, timer,
                     [this, window, id]() { TimerFired(window, id); });
    timer->start(static_cast<int>(milliseconds));
}

void QtPlatform::StopTimer(HWND /*window*/, UINT id) {
    auto it = timers_.find(id);
    if (it != timers_.end()) it->second->stop();
}

}  // namespace pv::qt
