// The five states of a fact as the progress window shows them: a colour and a name each, and
// the legend that puts the two side by side.
#pragma once

#include <QColor>
#include <QPoint>
#include <QString>
#include <QWidget>

#include <vector>

#include "progress/progress_model.h"

namespace pv::qt {

// Text that matters less (an empty day, a fact never asked), in the grid and the chart alike.
inline const QColor kQuietText(0x75, 0x75, 0x75);

QColor StateColour(FactCell::State state);
QString StateName(FactCell::State state);

// The five colours of the grid in words, in a row that wraps where it must.
class ProgressLegend : public QWidget {
  public:
    explicit ProgressLegend(QWidget* parent = nullptr);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int LineHeight() const;
    int ItemWidth(FactCell::State state) const;
    // Where each state's swatch goes, in the order of the states, at this width.
    std::vector<QPoint> Places(int width) const;
};

}  // namespace pv::qt
