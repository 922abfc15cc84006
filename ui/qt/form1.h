#pragma once
// Form1: the program's only window, in Qt. Its picture is the drop area, a strip along the
// bottom holds the option controls, and hidden controls hold the batch's data. What it does
// lives in Form1Core; this class creates the widgets, paints the picture and routes the
// window's events there.
#include <QWidget>
#include <memory>

#include "form1_controls.h"
#include "form1_core.h"
#include "form1_services.h"

namespace quorvel {

class QtForm1View;

class Form1 : public QWidget {
    Q_OBJECT
public:
    explicit Form1(Form1Services services);
    ~Form1() override;

    const Form1Controls& controls() const { return m_controls; }
    // The window strings OutputFolder, ResizeArgument and ConvertCommand live with the batch.
    ConversionBatch& batch() { return m_core->batch(); }
    const DropAreaPictures& pictures() const { return m_core->pictures(); }
    const Form1Layout& layoutTwips() const { return m_core->layout(); }
    PhotoIntake& intake() { return m_core->intake(); }
    OptionHandlers& options() { return m_core->options(); }
    ScreenDensity density() const { return m_core->density(); }
    // The outer size that start-up step 8 gave the window.
    TwipsSize outerSize() const { return m_core->outerSize(); }

    // Draws the pictures and the pointer again for a screen of that device pixel ratio; the
    // window does so itself whenever it moves to another screen.
    void matchDevicePixelRatio(qreal ratio);

    static constexpr int kCloseGraceMilliseconds = Form1Core::kCloseGraceMilliseconds;

Q_SIGNALS:
    // The window was closed and no batch runs any more: the program may end now.
    void unloaded();

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    void connectClicks();

    Form1Controls m_controls;
    std::unique_ptr<QtForm1View> m_view;
    std::unique_ptr<Form1Core> m_core;
    bool m_followsScreen = false;
    bool m_clickStarted = false;
};

}  // namespace quorvel
