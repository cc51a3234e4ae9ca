#include "qt/progress/qt_progress.h"

#include "qt/progress/progress_window.h"
#include "qt/qt_platform.h"

namespace pv::qt {

QtProgressView::~QtProgressView() {
    delete window_;  // the main window's child, unless it was opened without one
}

void QtProgressView::ShowProgress(const std::string& player, const std::filesystem::path& folder) {
    // One window per game: asked again, it shows the record as it is now, in front.
    if (window_ == nullptr) window_ = new ProgressWindow(platform_, platform_.Main());
    window_->Load(player, folder);
    window_->show();
    window_->raise();
    window_->activateWindow();
}

void QtProgressView::Close() {
    if (window_ != nullptr) window_->close();
}

ProgressWindow* QtProgressView::Window() const {
    return window_;
}

}  // namespace pv::qt
