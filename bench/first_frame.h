// What the start-up probes report: the time from launch (PV_LAUNCH_NS, nanoseconds of
// CLOCK_REALTIME, set just before exec) to the first frame of the window, and the memory then
// resident. Shared by the game's probe and the bare-window floor it is compared with.
#pragma once

#include <time.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QEvent>
#include <QMetaObject>
#include <QObject>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <string>
#include <utility>

namespace pv::bench {

inline long long NowNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

inline long long LaunchNanoseconds() {
    const char* launch = std::getenv("PV_LAUNCH_NS");
    return launch != nullptr ? std::atoll(launch) : NowNanoseconds();
}

inline long ResidentKilobytes() {
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmRSS:") {
            long kb = 0;
            status >> kb;
            return kb;
        }
        status.ignore(1 << 12, '\n');
    }
    return -1;
}

// Watches a window that has just been asked to show. A widget window draws and flushes its
// first frame while it handles the first expose; a call queued from there runs once that is
// done: it runs then (when given), prints shown_ms (show asked), frame_ms (first frame drawn)
// and rss_kb, and leaves the process; with PV_PROBE_SETTLE_MS set, only after that much more
// time, printing settled_rss_kb (what the game started once its window was up included).
class FirstFrame : public QObject {
  public:
    FirstFrame(QWidget* top, long long launched, std::function<void()> then = {})
        : launched_(launched), then_(std::move(then)) {
        shownMs_ = Since(launched_);
        QWindow* window = top->windowHandle();
        if (window == nullptr || window->isExposed()) {
            Finish();
        } else {
            window->installEventFilter(this);
        }
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
            watched->removeEventFilter(this);
            Finish();
        }
        return false;
    }

  private:
    [[noreturn]] static void Leave() {
        std::printf("\n");
        std::fflush(stdout);
        _exit(0);
    }
    static double Since(long long launched) {
        return static_cast<double>(NowNanoseconds() - launched) / 1e6;
    }
    void Finish() {
        QMetaObject::invokeMethod(
            this,
            [this]() {
                double frameMs = Since(launched_);
                long rss = ResidentKilobytes();
                if (then_) then_();
                std::printf("shown_ms=%.1f frame_ms=%.1f rss_kb=%ld", shownMs_, frameMs, rss);
                const char* settle = std::getenv("PV_PROBE_SETTLE_MS");
                if (settle == nullptr) Leave();
                QTimer::singleShot(std::atoi(settle), []() {
                    std::printf(" settled_rss_kb=%ld", ResidentKilobytes());
                    Leave();
                });
            },
            Qt::QueuedConnection);
    }
    long long launched_;
    std::function<void()> then_;
    double shownMs_ = 0;
};

}  // namespace pv::bench
