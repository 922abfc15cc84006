#pragma once
// Form1View over the Qt window's widgets.
#include "form1_controls.h"
#include "form1_view.h"

class QWidget;

namespace quorvel {

class QtForm1View : public Form1View {
public:
    QtForm1View(QWidget& form, const Form1Controls& controls)
        : m_form(form), m_controls(controls) {}

    std::string text(ControlId control) const override;
    void setText(ControlId control, const std::string& text) override;
    void setEnabled(ControlId control, bool enabled) override;
    void setVisible(ControlId control, bool visible) override;
    bool hasFocus(ControlId control) const override;
    void focusWindow() override;

    int entryCount() const override;
    std::string entry(int index) const override;
    void appendEntry(const std::string& path) override;
    void removeFirstEntries(int count) override;

    void startRunTimer() override;
    void stopRunTimer() override;

    void repaintPicture() override;
    void placeControls(const Form1Layout& layout, const ScreenDensity& density) override;
    void fixClientSize(int widthPixels, int heightPixels) override;

    WindowHandle handle() const override { return &m_form; }
    void runLater(int milliseconds, std::function<void()> action) override;

private:
    QWidget* widget(ControlId control) const;

    QWidget& m_form;
    const Form1Controls& m_controls;
};

}  // namespace quorvel
