#include "gui/FadeButton.h"

#include <QPainter>
#include <cmath>

namespace trajecta {

FadeButton::FadeButton(QWidget* parent) : QLabel(parent) {
    setAlignment(Qt::AlignCenter);
    setMinimumHeight(26);
    setMargin(4);
    setCursor(Qt::PointingHandCursor);
    connect(&fade_, &QVariantAnimation::valueChanged, this, [this](const QVariant& value) {
        highlight_ = value.toReal();
        update();
    });
}

void FadeButton::enterEvent(QEnterEvent* event) {
    hot_ = true;
    fadeTo(1);
    QLabel::enterEvent(event);
}

void FadeButton::leaveEvent(QEvent* event) {
    hot_ = false;
    fadeTo(0);
    QLabel::leaveEvent(event);
}

// A fade reversed half way takes only the time of the way back.
void FadeButton::fadeTo(qreal target) {
    fade_.stop();
    fade_.setStartValue(highlight_);
    fade_.setEndValue(target);
    fade_.setDuration(static_cast<int>(std::lround(std::abs(target - highlight_) * fadeMilliseconds)));
    fade_.start();
}

void FadeButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QPalette& colours = palette();
    if (highlight_ > 0) {
        QColor glow = colours.color(QPalette::Highlight);
        glow.setAlphaF(0.35 * highlight_);
        painter.setPen(Qt::NoPen);
        painter.setBrush(glow);
        painter.drawRoundedRect(rect().adjusted(1, 1, -1, -1), 3, 3);
    }
    QFont shown = font();
    shown.setUnderline(hot_);
    painter.setFont(shown);
    painter.setPen(colours.color(hot_ ? QPalette::Highlight : QPalette::WindowText));
    painter.drawText(contentsRect(), static_cast<int>(alignment()), text());
}

} // namespace trajecta
