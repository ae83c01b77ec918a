#include "gui/TimingChartView.h"

#include "preview/TimingChart.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace trajecta {

namespace {
const QColor barColour(70, 110, 190);
const QColor rangeColour(255, 225, 150);
const QColor speedColour(200, 40, 40);
const QColor shownColour(0, 150, 0);
constexpr int chartHeight = 64;
} // namespace

TimingChartView::TimingChartView(const CurveDocument& doc, QWidget* parent) : QLabel(parent), doc_(doc) {
    setMinimumHeight(chartHeight);
}

QSize TimingChartView::sizeHint() const {
    return QSize(180, chartHeight);
}

QSize TimingChartView::minimumSizeHint() const {
    return QSize(60, chartHeight);
}

void TimingChartView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRectF area = QRectF(rect()).adjusted(1, 1, -1, -1);
    p.fillRect(rect(), palette().base());
    p.setPen(palette().mid().color());
    p.drawRect(area);
    const TimingChart chart = timingChart(doc_);
    const int n = static_cast<int>(chart.bars.size());
    if (n == 0) return;
    const double slot = area.width() / n;
    const double height = area.height() - 2;
    auto slotLeft = [&](int keypoint) { return area.left() + (keypoint - 1) * slot; };

    // The chosen range: from the start keypoint's bar (the time after it) to the end's.
    if (chart.rangeStart >= 0) {
        const int last = chart.rangeEnd >= 0 ? chart.rangeEnd : chart.rangeStart;
        const double left = slotLeft(std::max(chart.rangeStart, 1));
        p.fillRect(QRectF(left, area.top(), slotLeft(last + 1) - left, area.height()), rangeColour);
    }
    for (const TimingChart::Bar& bar : chart.bars) {
        if (chart.maxGap <= 0) break;
        const double h = height * bar.gap / chart.maxGap;
        p.fillRect(
            QRectF(slotLeft(bar.keypoint) + slot * 0.15, area.bottom() - h, std::max(1.0, slot * 0.7), h),
            barColour);
    }
    // The speed: a jump (no time for a distance) goes to the top in a dot.
    QPainterPath line;
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(speedColour, 1.5));
    for (const TimingChart::Bar& bar : chart.bars) {
        const double fraction = bar.jump ? 1.0 : chart.maxSpeed > 0 ? bar.speed / chart.maxSpeed : 0.0;
        const QPointF at(slotLeft(bar.keypoint) + slot / 2, area.bottom() - 1 - fraction * (height - 2));
        if (line.elementCount() == 0)
            line.moveTo(at);
        else
            line.lineTo(at);
        if (bar.jump) p.drawEllipse(at, 2.5, 2.5);
    }
    p.drawPath(line);
    if (chart.shown >= 1 && chart.shown <= n) {
        const double x = slotLeft(chart.shown) + slot / 2;
        p.setPen(QPen(shownColour, 1.5, Qt::DashLine));
        p.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
    }
}

} // namespace trajecta
