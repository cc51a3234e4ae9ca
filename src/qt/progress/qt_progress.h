// The desktop's progress view: the progress window, one per game, over the main window.
#pragma once

#include <QPointer>

#include "game/progress_view.h"

namespace pv::qt {

class ProgressWindow;
class QtPlatform;

class QtProgressView : public ProgressView {
  public:
    explicit QtProgressView(QtPlatform& platform) : platform_(platform) {}
    ~QtProgressView() override;
    QtProgressView(const QtProgressView&) = delete;
    QtProgressView& operator=(const QtProgressView&) = delete;

    void ShowProgress(const std::string& player, const std::filesystem::path& folder) override;
    // Closes the window, whose texts are of the language it opened in.
    void Close();
    // The progress window while it is open, or nullptr.
    ProgressWindow* Window() const;

  private:
    // Whose main window the progress window belongs to, and whose clock and files it goes by.
    QtPlatform& platform_;
    // Closing it deletes it.
    QPointer<ProgressWindow> window_;
};

}  // namespace pv::qt
