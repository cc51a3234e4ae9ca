// The progress window: see progress_window.h.
#include "qt/progress/progress_window.h"
#include "qt/qt_platform.h"

namespace pv::qt {

void QtPlatform::ShowProgress(const std::string& player, const std::filesystem::path& folder) {
    // One window per game: asked again, it shows the record as it is now, in front.
    if (progress_ == nullptr) progress_ = new ProgressWindow(main_);
    progress_->Load(player, folder);
    progress_->show();
    progress_->raise();
    progress_->activateWindow();
}

ProgressWindow* QtPlatform::Progress() const {
    return progress_;
}

}  // namespace pv::qt
