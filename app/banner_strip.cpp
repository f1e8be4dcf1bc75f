#include "app/banner_strip.h"

#include <QPainter>
#include <QPixmap>

// The banner lives in the UI library's resources; a static library must
// register them itself.
static void registerBannerResource() { Q_INIT_RESOURCE(resources); }

namespace chemeng::ui {

namespace {
constexpr int kLeft = 10;
constexpr int kAboveBottom = 25;
}  // namespace

BannerStrip::BannerStrip(QWidget* parent) : QWidget(parent) {
    registerBannerResource();
    setObjectName("banner");
}

QSize BannerStrip::sizeHint() const {
    return {360, 32};
}

void BannerStrip::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QPixmap banner(":/banner.png");
    painter.drawPixmap(kLeft, height() - kAboveBottom, banner);
}

}  // namespace chemeng::ui
