// The window's zoom: how many screen pixels each of the game's units takes. Every place, size,
// font and pointer position crosses between the two through here, so that both ways round the
// same way wherever they are used.
#pragma once

#include <QFont>
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QSize>

namespace pv::qt {

class Zoom {
  public:
    constexpr Zoom() = default;
    constexpr explicit Zoom(int factor) : factor_(factor) {}

    constexpr int Factor() const { return factor_; }
    // False at 1x, where the window is as the game laid it out.
    constexpr bool Enlarges() const { return factor_ != 1; }
    friend constexpr bool operator==(Zoom, Zoom) = default;

    // The game's units on the screen: exact.
    constexpr int ToScreen(int units) const { return units * factor_; }
    QSize ToScreen(QSize units) const {
        return {ToScreen(units.width()), ToScreen(units.height())};
    }
    QRect ToScreen(const QRect& units) const {
        return {ToScreen(units.x()), ToScreen(units.y()), ToScreen(units.width()),
                ToScreen(units.height())};
    }
    // The same font this many times as large, in whichever unit it was given.
    QFont ToScreen(QFont font) const;

    // Screen pixels in the game's units, rounded down: a point just left of or above the window
    // stays outside it.
    constexpr int ToGame(int pixels) const {
        return pixels >= 0 ? pixels / factor_ : -((-pixels + factor_ - 1) / factor_);
    }
    QPoint ToGame(QPoint pixel) const { return {ToGame(pixel.x()), ToGame(pixel.y())}; }
    QSize ToGame(QSize pixels) const { return {ToGame(pixels.width()), ToGame(pixels.height())}; }
    // The pointer's position: the pixel it is nearest, then the unit that pixel is in.
    QPoint ToGame(QPointF pointer) const { return ToGame(pointer.toPoint()); }

  private:
    int factor_ = 1;
};

}  // namespace pv::qt
