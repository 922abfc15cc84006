#pragma once
// A label whose caption may size it: with fitsCaption, every caption change (and every font
// change through setFontSize) makes the label as wide and tall as its text, keeping its
// top-left corner. A release of the left button over it is a click. Captions are set through
// setCaption, which tells of every change.
#include <QLabel>

namespace quorvel {

class CaptionLabel : public QLabel {
    Q_OBJECT
public:
    explicit CaptionLabel(QWidget* parent = nullptr) : QLabel(parent) {}

    QString caption() const { return text(); }
    void setCaption(const QString& caption);
    void setFitsCaption(bool fits);
    bool fitsCaption() const { return m_fitsCaption; }
    // Call after a change of font or geometry.
    void fitToCaption();

Q_SIGNALS:
    void clicked();
    void captionChanged(const QString& caption);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool m_fitsCaption = false;
    bool m_pressed = false;
};

}  // namespace quorvel
