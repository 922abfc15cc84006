#pragma once
// The window's background picture: the picture of picBack1 (normal) or of picBack2
// (highlighted). The window shares the holder's picture rather than copying it, so which one
// shows is told by comparing the pictures' identities.
#include <QPixmap>
#include <functional>

class QLabel;

namespace quorvel {

class DropAreaPictures {
public:
    // `changed` runs after every change of the picture (the window repaints).
    DropAreaPictures(QLabel& picBack1, QLabel& picBack2, std::function<void()> changed);

    void showNormal() { show(m_picBack1); }
    void showHighlighted() { show(m_picBack2); }
    bool showsNormal() const { return shows(m_picBack1); }
    bool showsHighlighted() const { return shows(m_picBack2); }
    // A null pixmap until a picture is shown.
    const QPixmap& current() const { return m_current; }

private:
    void show(const QLabel& holder);
    bool shows(const QLabel& holder) const;

    QLabel& m_picBack1;
    QLabel& m_picBack2;
    std::function<void()> m_changed;
    QPixmap m_current;
};

}  // namespace quorvel
