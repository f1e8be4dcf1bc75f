#pragma once

#include <QWidget>

namespace chemeng::ui {

// The bare bottom strip of the window with the footer banner. The banner is
// loaded and drawn anew on every paint, 10 pixels from the left and 25 above
// the bottom of the strip.
class BannerStrip : public QWidget {
    Q_OBJECT
  public:
    explicit BannerStrip(QWidget* parent = nullptr);
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace chemeng::ui
