#pragma once

#include <QLabel>

namespace trajecta {

struct CurveDocument;

// The timing chart ImgChronogramme: for every keypoint but the first, the time
// since the keypoint before as a bar and the speed along the path as a line,
// the chosen range shaded and the keypoint under the cursor marked. It paints
// the document's working times as they stand whenever it repaints.
class TimingChartView : public QLabel {
  public:
    TimingChartView(const CurveDocument& doc, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const CurveDocument& doc_;
};

} // namespace trajecta
