#include "qt/progress/progress_chart.h"

#include <QCoreApplication>
#include <QDate>
#include <QFontMetricsF>
#include <QHelpEvent>
#include <QLocale>
#include <QPainter>
#include <QToolTip>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <utility>

#include "qt/language/translators.h"
#include "qt/progress/local_forms.h"
#include "qt/progress/progress_legend.h"

namespace pv::qt {

namespace {

const QColor kRightFirstTime(0x2e, 0x6d, 0xb4);
const QColor kMissedAtFirst(0xb7, 0xcf, 0xea);
const QColor kRule(0xdd, 0xdd, 0xdd);
constexpr qreal kBarShare = 0.6;  // of a day's slot; the rest keeps the bars apart
constexpr std::uint32_t kMostRules = 5;

// Rounded down, so that a day with a single miss never reads 100%.
std::uint32_t PercentRight(const DayBar& bar) {
    return bar.answered == 0 ? 0 : bar.rightFirstTime * 100 / bar.answered;
}

// The smallest of 1, 2, 5, 10, 20, 50... that splits `most` into no more than kMostRules.
std::uint32_t RuleStep(std::uint32_t most) {
    for (std::uint32_t power = 1;; power *= 10) {
        for (std::uint32_t m : {1u, 2u, 5u}) {
            if (most <= m * power * kMostRules) return m * power;
        }
    }
}

QFont Smaller(QFont font) {
    font.setPointSizeF(font.pointSizeF() * 0.85);
    return font;
}

}  // namespace

ProgressChart::ProgressChart(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
}

void ProgressChart::SetDays(const std::array<DayBar, kDaysShown>& days) {
    days_ = days;
    update();
}

ProgressChart::Scale ProgressChart::ScaleNow() const {
    std::uint32_t most = 0;
    for (const DayBar& bar : days_) most = std::max(most, bar.answered);
    Scale scale;
    scale.step = RuleStep(std::max(most, 1u));
    scale.top = std::max(1u, (most + scale.step - 1) / scale.step) * scale.step;
    const QFontMetrics metrics(font());
    const QFontMetrics small(Smaller(font()));
    const qreal left = metrics.horizontalAdvance(QString::number(scale.top)) + 10;
    const qreal top = metrics.height() + 8 + small.height() + 4;  // the key, then the percentages
    const qreal bottom = 2 * small.height() + 8;                  // two lines of day labels
    scale.area = QRectF(left, top, width() - left - 8, height() - top - bottom);
    return scale;
}

QRectF ProgressChart::DaySlot(const Scale& scale, std::size_t i) const {
    const qreal slot = std::floor(scale.area.width() / kDaysShown);
    return {scale.area.left() + i * slot, scale.area.top(), slot, scale.area.height()};
}

bool ProgressChart::Empty() const {
    return std::all_of(days_.begin(), days_.end(), [](const DayBar& b) { return !b.answered; });
}

QString ProgressChart::TipFor(std::size_t i) const {
    const DayBar& bar = days_[i];
    // Through the language's own day and month names, which QDate::toString never writes.
    QString tip = QLocale().toString(DateOf(bar.day),
                                     QCoreApplication::translate("Progress", "dddd d MMMM yyyy"));
    if (bar.answered == 0)
        return tip + QLatin1Char('\n') +
               QCoreApplication::translate("Progress", "No questions answered");
    tip += QLatin1Char('\n') + Plural("Progress", QT_TRANSLATE_N_NOOP("Progress", "%n answered"),
                                      "%n answered", static_cast<int>(bar.answered));
    tip += QLatin1Char('\n') +
           Plural("Progress", QT_TRANSLATE_N_NOOP("Progress", "%n right the first time (%1%)"),
                  "%n right the first time (%1%)", static_cast<int>(bar.rightFirstTime))
               .arg(PercentRight(bar));
    return tip;
}

bool ProgressChart::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip) return QWidget::event(event);
    auto* help = static_cast<QHelpEvent*>(event);
    const Scale scale = ScaleNow();
    for (std::size_t i = 0; i < kDaysShown; ++i) {
        const QRectF slot = DaySlot(scale, i);
        if (slot.left() <= help->pos().x() && help->pos().x() < slot.right()) {
            QToolTip::showText(help->globalPos(), TipFor(i), this, slot.toRect());
            return true;
        }
    }
    QToolTip::hideText();
    return true;
}

void ProgressChart::paintEvent(QPaintEvent* /*event*/) {
    const Scale scale = ScaleNow();
    if (scale.area.width() <= 0 || scale.area.height() <= 0) return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::TextAntialiasing);
    PaintKey(painter);
    PaintAxis(painter, scale);
    for (std::size_t i = 0; i < kDaysShown; ++i) {
        PaintBar(painter, scale, i);
        PaintDayLabel(painter, scale, i);
    }
    if (Empty()) {
        painter.setPen(kQuietText);
        painter.drawText(
            scale.area, Qt::AlignCenter,
            QCoreApplication::translate("Progress", "No questions answered in these two weeks"));
    }
}

void ProgressChart::PaintKey(QPainter& painter) const {
    QFont bold = font();
    bold.setBold(true);
    painter.setFont(bold);
    painter.setPen(palette().color(QPalette::WindowText));
    const QFontMetrics metrics(font());
    painter.drawText(
        QPointF(0, metrics.ascent()),
        QCoreApplication::translate("Progress", "Questions answered each day, the last two weeks"));
    painter.setFont(font());
    // The key sits at the right, over the newest days, which a parent reads first.
    const int swatch = metrics.height() - 4;
    const std::pair<QColor, QString> keys[] = {
        {kRightFirstTime, QCoreApplication::translate("Progress", "Right the first time")},
        {kMissedAtFirst, QCoreApplication::translate("Progress", "Missed at first")}};
    qreal x = width();
    for (auto it = std::rbegin(keys); it != std::rend(keys); ++it) {
        x -= metrics.horizontalAdvance(it->second);
        painter.drawText(QPointF(x, metrics.ascent()), it->second);
        x -= swatch + 6;
        painter.fillRect(QRectF(x, 2, swatch, swatch), it->first);
        x -= 24;
    }
}

void ProgressChart::PaintAxis(QPainter& painter, const Scale& scale) const {
    const QRectF& area = scale.area;
    const QFontMetrics metrics(font());
    // An empty chart has nothing to measure: just its base line.
    const std::uint32_t last = Empty() ? 0 : scale.top;
    for (std::uint32_t value = 0; value <= last; value += scale.step) {
        const qreal y = std::round(area.bottom() - area.height() * value / scale.top);
        painter.setPen(value == 0 ? kQuietText : kRule);
        painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
        painter.setPen(kQuietText);
        const QRectF label(0, y - metrics.height() / 2.0, area.left() - 6, metrics.height());
        painter.drawText(label, Qt::AlignRight | Qt::AlignVCenter, QString::number(value));
    }
}

void ProgressChart::PaintBar(QPainter& painter, const Scale& scale, std::size_t i) const {
    const DayBar& bar = days_[i];
    if (bar.answered == 0) return;
    const QRectF slot = DaySlot(scale, i);
    const qreal width = std::round(slot.width() * kBarShare);
    const qreal left = slot.left() + std::round((slot.width() - width) / 2);
    const qreal bottom = scale.area.bottom();
    auto heightOf = [&](std::uint32_t n) {
        return std::round(scale.area.height() * n / scale.top);
    };
    const qreal whole = heightOf(bar.answered), right = heightOf(bar.rightFirstTime);
    painter.fillRect(QRectF(left, bottom - whole, width, whole - right), kMissedAtFirst);
    painter.fillRect(QRectF(left, bottom - right, width, right), kRightFirstTime);
    const QFont small = Smaller(font());
    const qreal above = QFontMetricsF(small).height() + 2;
    painter.setFont(small);
    painter.setPen(kRightFirstTime);
    painter.drawText(QRectF(slot.left(), bottom - whole - above, slot.width(), above),
                     Qt::AlignHCenter | Qt::AlignBottom,
                     //: A day's share right the first time, above its bar ("87%").
                     QCoreApplication::translate("Progress", "%1%").arg(PercentRight(bar)));
    painter.setFont(font());
}

void ProgressChart::PaintDayLabel(QPainter& painter, const Scale& scale, std::size_t i) const {
    const QDate date = DateOf(days_[i].day);
    const bool today = i + 1 == kDaysShown;
    const QLocale shown;
    const QString day = today
                            ? QCoreApplication::translate("Progress", "Today")
                            : shown.toString(date, QCoreApplication::translate("Progress", "ddd"));
    const QString month = shown.toString(date, QCoreApplication::translate("Progress", "d MMM"));
    const QRectF slot = DaySlot(scale, i);
    QFont small = Smaller(font());
    small.setBold(today);
    // A word wider than its day ("aujourd'hui") is set smaller rather than cut.
    const QFontMetricsF metrics(small);
    const qreal widest =
        std::max(metrics.horizontalAdvance(day), metrics.horizontalAdvance(month));
    if (widest > slot.width()) small.setPointSizeF(small.pointSizeF() * slot.width() / widest);
    painter.setFont(small);
    painter.setPen(today ? palette().color(QPalette::WindowText) : kQuietText);
    const QRectF below(slot.left(), scale.area.bottom() + 4, slot.width(), height());
    painter.drawText(below, Qt::AlignHCenter | Qt::AlignTop, day + QLatin1Char('\n') + month);
    painter.setFont(font());
}

}  // namespace pv::qt
