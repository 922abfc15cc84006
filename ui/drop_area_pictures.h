#pragma once
// Which picture the window's background shows: picBack1's (normal) or picBack2's
// (highlighted). The shell paints the one named here.
#include <functional>

namespace quorvel {

enum class DropAreaPicture { None, Normal, Highlighted };

class DropAreaPictures {
public:
    // `changed` runs after every change of the picture (the window repaints).
    explicit DropAreaPictures(std::function<void()> changed) : m_changed(std::move(changed)) {}

    void showNormal() { show(DropAreaPicture::Normal); }
    void showHighlighted() { show(DropAreaPicture::Highlighted); }
    bool showsNormal() const { return m_current == DropAreaPicture::Normal; }
    bool showsHighlighted() const { return m_current == DropAreaPicture::Highlighted; }
    // None until a picture is shown.
    DropAreaPicture current() const { return m_current; }

private:
    void show(DropAreaPicture picture) {
        m_current = picture;
        if (m_changed) m_changed();
    }

    std::function<void()> m_changed;
    DropAreaPicture m_current = DropAreaPicture::None;
};

}  // namespace quorvel
