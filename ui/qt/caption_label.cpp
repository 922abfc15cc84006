#include "caption_label.h"

#include <QMouseEvent>

namespace quorvel {

void CaptionLabel::setCaption(const QString& caption) {
    setText(caption);
    fitToCaption();
    Q_EMIT captionChanged(caption);
}

void CaptionLabel::setFitsCaption(bool fits) {
    m_fitsCaption = fits;
    fitToCaption();
}

void CaptionLabel::fitToCaption() {
    if (m_fitsCaption) resize(sizeHint());
}

void CaptionLabel::mousePressEvent(QMouseEvent* event) {
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void CaptionLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = m_pressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click) Q_EMIT clicked();
}

}  // namespace quorvel
