// The desktop's polite requests to end the program (SIGTERM when the session ends, SIGINT from a
// terminal, SIGHUP when the terminal goes) become a close of the main window, so the game saves
// its settings and scores as when its close button is clicked, instead of dying unsaved.
#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <QTimer>

#include <chrono>
#include <functional>
#include <memory>
#include <vector>

namespace pv::qt {

class QuitSignals : public QObject {
  public:
    // close runs on the user-interface thread, once per request that arrives. When the program
    // still runs `grace` after a request (its window was taken away by another program, say),
    // end runs: it saves as closing would and leaves without the window. A signal that was
    // ignored when the program started (nohup) stays ignored.
    QuitSignals(std::function<void()> close, std::function<void()> end,
                std::chrono::milliseconds grace = std::chrono::seconds(3));
    ~QuitSignals() override;
    QuitSignals(const QuitSignals&) = delete;
    QuitSignals& operator=(const QuitSignals&) = delete;

  private:
    std::function<void()> close_;
    std::function<void()> end_;
    QTimer overdue_;
    std::unique_ptr<QSocketNotifier> notifier_;
    std::vector<int> handled_;
};

}  // namespace pv::qt
