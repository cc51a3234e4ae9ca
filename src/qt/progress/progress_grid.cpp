#include "qt/progress/progress_grid.h"

#include <QCoreApplication>
#include <QHelpEvent>
#include <QLocale>
#include <QPainter>
#include <QToolTip>

#include <algorithm>
#include <cmath>

#include "game/operations.h"
#include "qt/language/translators.h"
#include "qt/progress/local_forms.h"
#include "qt/progress/progress_legend.h"

namespace pv::qt {

namespace {

const QColor kCellText(0x21, 0x21, 0x21);
// Smaller than these nobody reads: the tooltips tell it all.
constexpr int kSmallestPixels = 7;
constexpr int kSmallestQuestionPixels = 9;  // a question has a sign to make out too

// A grey gap between tiles reads as a grid without ruling lines.
constexpr qreal kGap = 1;

// The pixel size, at most `most`, at which text in `font` fits `room` wide.
int FittingPixels(QFont font, const QString& text, qreal room, int most) {
    font.setPixelSize(std::max(most, 1));
    const qreal width = QFontMetricsF(font).horizontalAdvance(text);
    return width <= room ? most : static_cast<int>(most * room / width);
}

QFont WithPixels(QFont font, int pixels) {
    font.setPixelSize(std::max(pixels, 1));
    return font;
}

QString Sign(Operation operation) {
    return QString::fromUtf8(RowOf(operation).gridSign);
}

// Subtraction and division are asked backwards from the table, so their answer is the row's
// number in every cell: their cells show the question, or the number it starts from.
bool AskedBackwards(Operation operation) {
    return RowOf(operation).askedBackwards;
}

}  // namespace

ProgressGrid::ProgressGrid(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void ProgressGrid::SetModel(const ProgressModel& model) {
    model_ = model;
    update();
}

qreal ProgressGrid::CellSide() const {
    const qreal cells = model_.tableSize + 1;  // the headers take a row and a column
    return std::floor(std::min(width(), height()) / cells);
}

QRectF ProgressGrid::CellRect(std::uint32_t a, std::uint32_t b) const {
    const qreal side = CellSide();
    return {b * side, a * side, side, side};
}

QString ProgressGrid::TipFor(std::uint32_t a, std::uint32_t b) const {
    const FactCell& cell = model_.grid[a][b];
    QString tip = QString::fromStdString(QuestionText(model_.operation, cell.left, cell.right)) +
                  QStringLiteral(" = ") + QString::number(cell.answer);
    if (cell.asked == 0)
        return tip + QLatin1Char('\n') + QCoreApplication::translate("Progress", "Never asked");
    tip += QStringLiteral("  (") + StateName(cell.state).toLower() + QLatin1Char(')');
    tip +=
        QLatin1Char('\n') + Plural("Progress", QT_TRANSLATE_N_NOOP("Progress", "Asked: %n times"),
                                   "Asked: %n time", static_cast<int>(cell.asked));
    tip += QLatin1Char('\n') + QCoreApplication::translate("Progress", "Right the first time: %1")
                                   .arg(cell.rightFirstTime);
    tip += QLatin1Char('\n') +
           QCoreApplication::translate("Progress", "Wrong clicks: %1").arg(cell.wrongClicks);
    tip += QLatin1Char('\n') +
           QCoreApplication::translate("Progress", "Median time to first click: %1 s")
               .arg(QLocale().toString(cell.medianMs / 1000.0, 'f', 1));
    tip += QLatin1Char('\n') +
           QCoreApplication::translate("Progress", "Last asked: %1").arg(ShownDay(cell.lastDay));
    return tip;
}

bool ProgressGrid::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip) return QWidget::event(event);
    auto* help = static_cast<QHelpEvent*>(event);
    const QPointF at = help->pos();
    const qreal side = CellSide();
    if (side <= 0) return true;
    const auto b = static_cast<std::int64_t>(std::floor(at.x() / side));
    const auto a = static_cast<std::int64_t>(std::floor(at.y() / side));
    const auto n = static_cast<std::int64_t>(model_.tableSize);
    if (a < 1 || b < 1 || a > n || b > n) {
        QToolTip::hideText();
        return true;
    }
    const auto fa = static_cast<std::uint32_t>(a), fb = static_cast<std::uint32_t>(b);
    QToolTip::showText(help->globalPos(), TipFor(fa, fb), this, CellRect(fa, fb).toRect());
    return true;
}

void ProgressGrid::paintEvent(QPaintEvent* /*event*/) {
    if (CellSide() <= 0) return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::TextAntialiasing);
    PaintHeaders(painter);
    // One size for every cell, so that the grid reads evenly; where the questions would be too
    // small to read, the number taken from or shared out, which the column headers complete.
    CellWords words = AskedBackwards(model_.operation) &&
                              CellPixels(CellWords::Questions) >= kSmallestQuestionPixels
                          ? CellWords::Questions
                          : CellWords::Numbers;
    const int pixels = CellPixels(words);
    if (pixels < kSmallestPixels) words = CellWords::None;  // the tooltips tell
    painter.setFont(WithPixels(font(), pixels));
    for (std::uint32_t a = 1; a <= model_.tableSize; ++a) {
        for (std::uint32_t b = 1; b <= model_.tableSize; ++b) PaintCell(painter, a, b, words);
    }
}

void ProgressGrid::PaintHeaders(QPainter& painter) const {
    const std::uint32_t n = model_.tableSize;
    const qreal room = CellSide() - 4;
    const int most = static_cast<int>(CellSide() * 0.42);
    QFont bold = font();
    bold.setBold(true);
    // Subtraction's and division's columns say what is taken away or divided by: "−5", "÷6".
    const bool signedColumns = AskedBackwards(model_.operation) &&
                               FittingPixels(bold, Sign(model_.operation) + QString::number(n),
                                             room, most) >= kSmallestPixels;
    const QString prefix = signedColumns ? Sign(model_.operation) : QString();
    const int pixels = FittingPixels(bold, prefix + QString::number(n), room, most);
    painter.setFont(WithPixels(bold, pixels));
    painter.setPen(palette().color(QPalette::WindowText));
    for (std::uint32_t i = 1; i <= n; ++i) {
        painter.drawText(CellRect(0, i), Qt::AlignCenter, prefix + QString::number(i));
        painter.drawText(CellRect(i, 0), Qt::AlignCenter, QString::number(i));
    }
    // The corner names the operation, as on a printed table.
    painter.setPen(kQuietText);
    painter.drawText(CellRect(0, 0), Qt::AlignCenter, Sign(model_.operation));
}

QString ProgressGrid::CellText(const FactCell& cell, CellWords words) const {
    if (!AskedBackwards(model_.operation)) return QString::number(cell.answer);
    if (words != CellWords::Questions) return QString::number(cell.left);
    return QString::fromStdString(QuestionText(model_.operation, cell.left, cell.right))
        .remove(QLatin1Char(' '));
}

int ProgressGrid::CellPixels(CellWords words) const {
    // The last cell holds the largest numbers of the table, so the widest text.
    const FactCell& widest = model_.grid[model_.tableSize][model_.tableSize];
    const qreal room = CellSide() - kGap - 4;
    return FittingPixels(font(), CellText(widest, words), room,
                         static_cast<int>(CellSide() * 0.38));
}

void ProgressGrid::PaintCell(QPainter& painter, std::uint32_t a, std::uint32_t b,
                             CellWords words) const {
    const FactCell& cell = model_.grid[a][b];
    const QRectF box = CellRect(a, b).adjusted(kGap, kGap, 0, 0);
    painter.fillRect(box, StateColour(cell.state));
    if (words == CellWords::None) return;
    painter.setPen(cell.state == FactCell::NeverAsked ? kQuietText : kCellText);
    painter.drawText(box, Qt::AlignCenter, CellText(cell, words));
}

}  // namespace pv::qt
