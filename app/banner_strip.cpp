#include "app/banner_strip.h"

#include <QPainter>
#include <QPixmap>

// The banner lives in the UI library's resources; a static library must
// register them itself.
static void registerBannerResource() {
    Q_INIT_RESOURCE(resources);
}

namespace chemeng::ui {

namespace {
constexpr int kLeft = 10;
constexpr int kAboveBottom = 25;

// Tall enough for the banner (18 pixels) 25 pixels above the bottom, and a
// few pixels above it; wide enough for the banner.
constexpr int kHeight = 32;
constexpr int kWidth = kLeft + 350;
}  // namespace

BannerStrip::BannerStrip(QWidget* parent) : QWidget(parent) {
    registerBannerResource();
    setObjectName("banner");
    setMinimumSize(kWidth, kHeight);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

QSize BannerStrip::sizeHint() const {
    return {kWidth, kHeight};
}

void BannerStrip::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QPixmap banner(":/banner.png");
    painter.drawPixmap(kLeft, height() - kAboveBottom, banner);
}

}  // namespace chemeng::ui
