#include "drop_area_pictures.h"

#include <QLabel>

namespace quorvel {

DropAreaPictures::DropAreaPictures(QLabel& picBack1, QLabel& picBack2,
                                   std::function<void()> changed)
    : m_picBack1(picBack1), m_picBack2(picBack2), m_changed(std::move(changed)) {}

void DropAreaPictures::show(const QLabel& holder) {
    m_current = holder.pixmap();
    if (m_changed) m_changed();
}

bool DropAreaPictures::shows(const QLabel& holder) const {
    return !m_current.isNull() && m_current.cacheKey() == holder.pixmap().cacheKey();
}

}  // namespace quorvel
