// The last two weeks as a bar chart: a bar a day of questions answered, the part right the first
// time in a stronger colour with its share written above.
#pragma once

#include <QRectF>
#include <QWidget>

#include <array>

#include "progress/progress_model.h"

namespace pv::qt {

class ProgressChart : public QWidget {
  public:
    explicit ProgressChart(QWidget* parent = nullptr);

    void SetDays(const std::array<DayBar, kDaysShown>& days);
    const std::array<DayBar, kDaysShown>& Days() const { return days_; }
    // What hovering over the bar of day i (0 the oldest) tells.
    QString TipFor(std::size_t i) const;

    QSize sizeHint() const override { return {720, 180}; }
    QSize minimumSizeHint() const override { return {480, 170}; }

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    // The bars' area and the value at its top, a whole number of `step`s.
    struct Scale {
        QRectF area;
        std::uint32_t top = 0, step = 0;
    };
    Scale ScaleNow() const;
    bool Empty() const;
    QRectF DaySlot(const Scale& scale, std::size_t i) const;
    void PaintKey(QPainter& painter) const;
    void PaintAxis(QPainter& painter, const Scale& scale) const;
    void PaintBar(QPainter& painter, const Scale& scale, std::size_t i) const;
    void PaintDayLabel(QPainter& painter, const Scale& scale, std::size_t i) const;

    std::array<DayBar, kDaysShown> days_{};
};

}  // namespace pv::qt
