#include "form1.h"

#include <QCloseEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QWindow>

#include "caption_label.h"
#include "control_looks.h"
#include "option_handlers.h"
#include "qt_dropped_paths.h"
#include "qt_form1_view.h"

using namespace Qt::StringLiterals;

namespace quorvel {

Form1::Form1(Form1Services services) {
    const ScreenDensity density =
        services.density.value_or(densityForDpi(logicalDpiX(), logicalDpiY()));
    setWindowTitle(u"Quorvel"_s);
    setWindowIcon(applicationIcon());
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setAcceptDrops(true);
    setMouseTracking(true);
    setFont(fontFor(ControlLook::Plain, kWindowFontSize));
    createControls();
    m_view = std::make_unique<QtForm1View>(*this, m_controls);
    m_core = std::make_unique<Form1Core>(std::move(services), *m_view, density,
                                         [this] { Q_EMIT unloaded(); });
    m_core->Form_Load();
    connectClicks();
}

Form1::~Form1() = default;

void Form1::createControls() {
    m_controls = quorvel::createControls(*this);
    matchDevicePixelRatio(devicePixelRatioF());
    // Only the window takes drops: a text box would insert the dropped file's address into
    // the quality or width, so its drags are the window's.
    for (QLineEdit* box : {m_controls.txtConvert, m_controls.txtResize, m_controls.Text2,
                           m_controls.Text1}) {
        box->setAcceptDrops(false);
        box->installEventFilter(this);
    }
}

void Form1::connectClicks() {
    connect(m_controls.timerRun, &QTimer::timeout, this, [this] { m_core->timerRun_Timer(); });
    OptionHandlers* options = &m_core->options();
    connect(m_controls.lblFormat, &CaptionLabel::clicked, this,
            [options] { options->lblFormat_Click(); });
    connect(m_controls.Label5, &CaptionLabel::clicked, this,
            [options] { options->Label5_Click(); });
    connect(m_controls.lblPath, &CaptionLabel::clicked, this,
            [options] { options->lblPath_Click(); });
    connect(m_controls.Label3, &CaptionLabel::clicked, this,
            [options] { options->Label3_Click(); });
    connect(m_controls.Command1, &QPushButton::clicked, this,
            [options] { options->Command1_Click(); });
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::DragEnter:
            dragEnterEvent(static_cast<QDragEnterEvent*>(event));
            return true;
        case QEvent::DragMove:
            dragMoveEvent(static_cast<QDragMoveEvent*>(event));
            return true;
        case QEvent::DragLeave:
            dragLeaveEvent(static_cast<QDragLeaveEvent*>(event));
            return true;
        case QEvent::Drop:
            dropEvent(static_cast<QDropEvent*>(event));
            return true;
        default:
            return QWidget::eventFilter(watched, event);
    }
}

void Form1::matchDevicePixelRatio(qreal ratio) {
    m_controls.picBack1->setPixmap(normalDropAreaPicture(ratio));
    m_controls.picBack2->setPixmap(highlightedDropAreaPicture(ratio));
    for (CaptionLabel* link :
         {m_controls.lblFormat, m_controls.Label5, m_controls.lblPath, m_controls.Label3})
        link->setCursor(handPointer(ratio));
    update();
}

void Form1::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // The native window exists from the first show on; a move to a denser or coarser screen
    // (or a change of its scale) arrives as a change of the window's screen.
    if (m_followsScreen || !windowHandle()) return;
    m_followsScreen = true;
    connect(windowHandle(), &QWindow::screenChanged, this,
            [this] { matchDevicePixelRatio(devicePixelRatioF()); });
    if (devicePixelRatioF() != m_controls.picBack1->pixmap().devicePixelRatio())
        matchDevicePixelRatio(devicePixelRatioF());
}

void Form1::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), kWindowBackground);
    const DropAreaPicture shown = m_core->pictures().current();
    if (shown == DropAreaPicture::None) return;
    const QLabel* holder =
        shown == DropAreaPicture::Normal ? m_controls.picBack1 : m_controls.picBack2;
    painter.drawPixmap(0, 0, holder->pixmap());
}

void Form1::mousePressEvent(QMouseEvent* event) {
    m_clickStarted = event->button() == Qt::LeftButton;
}

void Form1::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = m_clickStarted && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    m_clickStarted = false;
    if (click) m_core->clicked();
}

void Form1::mouseMoveEvent(QMouseEvent* event) {
    m_core->pointerMoved(event->position().x(), event->position().y());
}

void Form1::dragEnterEvent(QDragEnterEvent* event) {
    m_core->draggedOver();
    event->acceptProposedAction();
}

void Form1::dragMoveEvent(QDragMoveEvent* event) {
    m_core->draggedOver();
    event->acceptProposedAction();
}

void Form1::dragLeaveEvent(QDragLeaveEvent*) { m_core->draggedOver(); }

void Form1::dropEvent(QDropEvent* event) {
    m_core->dropped(droppedLocalPaths(event->mimeData()));
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void Form1::closeEvent(QCloseEvent* event) {
    if (!m_core->closeRequested()) return event->ignore();
    event->accept();
}

}  // namespace quorvel
