#include "qt/paint/zoom.h"

namespace pv::qt {

QFont Zoom::ToScreen(QFont font) const {
    if (!Enlarges()) return font;
    if (font.pixelSize() > 0) {
        font.setPixelSize(ToScreen(font.pixelSize()));
    } else if (font.pointSizeF() > 0) {
        font.setPointSizeF(font.pointSizeF() * factor_);
    }
    return font;
}

}  // namespace pv::qt
