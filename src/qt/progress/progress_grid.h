// The table as a grid of facts, each cell in the colour of how well the child knows it (see
// progress_legend.h), its question on it and its numbers in a tooltip.
#pragma once

#include <QRectF>
#include <QString>
#include <QWidget>

#include "progress/progress_model.h"

namespace pv::qt {

class ProgressGrid : public QWidget {
  public:
    explicit ProgressGrid(QWidget* parent = nullptr);

    void SetModel(const ProgressModel& model);
    const ProgressModel& Model() const { return model_; }

    // The cell of fact (a, b), both 1..tableSize, in widget coordinates.
    QRectF CellRect(std::uint32_t a, std::uint32_t b) const;
    // What hovering over fact (a, b) tells.
    QString TipFor(std::uint32_t a, std::uint32_t b) const;

    QSize sizeHint() const override { return {420, 420}; }
    QSize minimumSizeHint() const override { return {260, 260}; }

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    // The side of a square cell, whole logical pixels so that the tiles' edges fall on pixels.
    qreal CellSide() const;
    void PaintHeaders(QPainter& painter) const;
    // What the cells say: nothing when too small to read; the answer, or for subtraction and
    // division the number taken from or shared out; or those two's whole question.
    enum class CellWords { None, Numbers, Questions };
    void PaintCell(QPainter& painter, std::uint32_t a, std::uint32_t b, CellWords words) const;
    QString CellText(const FactCell& cell, CellWords words) const;
    // The pixel size of the cells' text, which may be too small to read.
    int CellPixels(CellWords words) const;

    ProgressModel model_;
};

}  // namespace pv::qt
