// The desktop's polite requests to end the program (SIGTERM when the session ends, SIGINT from a
// terminal, SIGHUP when the terminal goes) become a close of the main window, so the game saves
// its settings and scores as when its close button is clicked, instead of dying unsaved.
#pragma once

#include <QObject>
#include <QSocketNotifier>

#include <functional>
#include <memory>

namespace pv::qt {

class QuitSignals : public QObject {
  public:
    // close runs on the user-interface thread, once per request that arrives.
    explicit QuitSignals(std::function<void()> close);
    ~QuitSignals() override;
    QuitSignals(const QuitSignals&) = delete;
    QuitSignals& operator=(const QuitSignals&) = delete;

  private:
    std::function<void()> close_;
    std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace pv::qt
