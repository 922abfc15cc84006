#include "control_looks.h"

#include <QFontDatabase>
#include <QLabel>
#include <QPalette>

using namespace Qt::StringLiterals;

namespace quorvel {
namespace {

bool isLink(ControlLook look) {
    return look == ControlLook::Link || look == ControlLook::RightLink;
}

void paintCaptionsWhite(QWidget& widget) {
    QPalette palette = widget.palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, QPalette::WindowText, kCaptionColor);
    widget.setPalette(palette);
}

void paintTextBox(QWidget& widget) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Base, Qt::black);
    palette.setColor(QPalette::Text, Qt::white);
    palette.setColor(QPalette::Disabled, QPalette::Base, Qt::black);
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(160, 160, 160));
    widget.setPalette(palette);
}

void alignLabel(QWidget& widget, Qt::Alignment alignment) {
    if (auto* label = qobject_cast<QLabel*>(&widget)) label->setAlignment(alignment);
}

}  // namespace

QString windowFontFamily() {
    const QStringList families = QFontDatabase::families();
    for (const QString& family : {u"Verdana"_s, u"DejaVu Sans"_s})
        if (families.contains(family)) return family;
    return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
}

QFont fontFor(ControlLook look, double pointSize) {
    QFont font(windowFontFamily());
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(look == ControlLook::Prompt);
    font.setUnderline(isLink(look));
    return font;
}

void applyLook(QWidget& widget, ControlLook look) {
    if (look == ControlLook::Hidden) return widget.setVisible(false);
    if (look == ControlLook::TextBox) return paintTextBox(widget);
    paintCaptionsWhite(widget);
    if (look == ControlLook::Prompt)
        alignLabel(widget, Qt::AlignHCenter | Qt::AlignTop);
    else if (look == ControlLook::RightLink)
        alignLabel(widget, Qt::AlignRight | Qt::AlignTop);
    else
        alignLabel(widget, Qt::AlignLeft | Qt::AlignTop);
    // Before the window is shown this is the primary screen's ratio; Form1 draws the
    // pointer again when the window reaches a screen of another density.
    if (isLink(look)) widget.setCursor(handPointer(widget.devicePixelRatioF()));
}

namespace {

QPixmap pictureFor(const QString& name, qreal devicePixelRatio) {
    const int scale = devicePixelRatio > 2 ? 3 : devicePixelRatio > 1 ? 2 : 1;
    QPixmap picture(scale == 1 ? u":/assets/%1.png"_s.arg(name)
                               : u":/assets/%1@%2x.png"_s.arg(name).arg(scale));
    picture.setDevicePixelRatio(scale);
    return picture;
}

}  // namespace

QCursor handPointer(qreal devicePixelRatio) {
    const QPixmap hand = pictureFor(u"hand_pointer"_s, devicePixelRatio);
    // X takes the hot spot in the pixmap's own pixels, whatever its ratio (measured under
    // Xvfb with QT_SCALE_FACTOR=2: a 64 x 64 pointer kept a hot spot of (6, 0)).
    const int scale = qRound(hand.devicePixelRatio());
    return QCursor(hand, 6 * scale, 0);
}

QIcon applicationIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256, 512})
        icon.addFile(u":/assets/icon_%1.png"_s.arg(size), QSize(size, size));
    return icon;
}

QPixmap normalDropAreaPicture(qreal devicePixelRatio) {
    return pictureFor(u"drop_area_normal"_s, devicePixelRatio);
}

QPixmap highlightedDropAreaPicture(qreal devicePixelRatio) {
    return pictureFor(u"drop_area_highlighted"_s, devicePixelRatio);
}

}  // namespace quorvel
