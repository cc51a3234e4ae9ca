#include "qt/quit_signals.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <utility>

namespace pv::qt {

namespace {

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

// A handler may do next to nothing: it only wakes the user-interface thread through a pipe.
int wakeUp[2] = {-1, -1};

void Note(int /*signal*/) {
    int saved = errno;
    char byte = 1;
    [[maybe_unused]] ssize_t ignored = write(wakeUp[1], &byte, 1);
    errno = saved;
}

}  // namespace

QuitSignals::QuitSignals(std::function<void()> close, std::function<void()> end,
                         std::chrono::milliseconds grace)
    : close_(std::move(close)), end_(std::move(end)) {
    // The sound library would otherwise take these signals for a quit event of its own, which
    // nobody reads: the game would not end at all.
    setenv("SDL_NO_SIGNAL_HANDLERS", "1", 1);
    if (pipe2(wakeUp, O_CLOEXEC | O_NONBLOCK) != 0) return;
    overdue_.setSingleShot(true);
    overdue_.setInterval(grace);
    connect(&overdue_, &QTimer::timeout, this, [this]() { end_(); });
    notifier_ = std::make_unique<QSocketNotifier>(wakeUp[0], QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, [this]() {
        char bytes[16];
        while (read(wakeUp[0], bytes, sizeof bytes) > 0) {
        }
        if (!overdue_.isActive()) overdue_.start();
        close_();
    });
    struct sigaction action {};
    action.sa_handler = &Note;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : kSignals) {
        struct sigaction before {};
        if (sigaction(signal, nullptr, &before) != 0 || before.sa_handler == SIG_IGN) continue;
        if (sigaction(signal, &action, nullptr) == 0) handled_.push_back(signal);
    }
}

QuitSignals::~QuitSignals() {
    if (wakeUp[0] < 0) return;
    for (int signal : handled_) std::signal(signal, SIG_DFL);
    notifier_.reset();
    close(wakeUp[0]);
    close(wakeUp[1]);
    wakeUp[0] = wakeUp[1] = -1;
}

}  // namespace pv::qt
