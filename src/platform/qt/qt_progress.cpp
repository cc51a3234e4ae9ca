// The progress window: see progress_window.h.
#include "platform/qt/qt_platform.h"

namespace pv::qt {

void QtPlatform::ShowProgress(const std::string& /*player*/,
                              const std::filesystem::path& /*folder*/) {}

}  // namespace pv::qt
