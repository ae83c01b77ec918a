#pragma once

#include <QLabel>
#include <QVariantAnimation>

namespace trajecta {

// A flat button drawn as a label: at rest only its caption shows. While the
// pointer is over it the caption is underlined and takes the highlight
// colour (hot tracking), and a highlight behind it fades in; it fades out
// again when the pointer leaves. The fade runs on the user-interface thread.
// Clicks are the binder's, as for any label.
class FadeButton : public QLabel {
  public:
    explicit FadeButton(QWidget* parent = nullptr);

    static constexpr int fadeMilliseconds = 250;

    // How far the highlight has faded in: 0 at rest, 1 under the pointer.
    qreal highlight() const { return highlight_; }
    bool hot() const { return hot_; }

  protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    void fadeTo(qreal target);

    QVariantAnimation fade_;
    qreal highlight_ = 0;
    bool hot_ = false;
};

} // namespace trajecta
