// The desktop's progress view: the progress window, one per game, over the main window.
#pragma once

#include <QPointer>

#include "game/progress_view.h"

namespace pv::qt {

class ProgressWindow;
class QtPlatform;

class QtProgressView : public ProgressView {
  public:
    explicit QtProgressView(const QtPlatform& platform) : platform_(platform) {}
    ~QtProgressView() override;
    QtProgressView(const QtProgressView&) = delete;
    QtProgressView& operator=(const QtProgressView&) = delete;

    void ShowProgress(const std::string& player, const std::filesystem::path& folder) override;
    // The progress window while it is open, or nullptr.
    ProgressWindow* Window() const;

  private:
    const QtPlatform& platform_;  // whose main window the progress window belongs to
    // Closing it deletes it.
    QPointer<ProgressWindow> window_;
};

}  // namespace pv::qt
