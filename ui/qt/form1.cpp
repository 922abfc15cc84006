#include "form1.h"

#include <QCloseEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <exception>

#include "caption_label.h"
#include "control_looks.h"
#include "conversion_batch.h"
#include "dos_outputs.h"
#include "dos_outputs_runner.h"
#include "drop_area_pictures.h"
#include "form1_batch_window.h"
#include "form1_layout.h"
#include "option_handlers.h"
#include "photo_intake.h"
#include "staging.h"
#include "unicode_dialogs.h"

using namespace Qt::StringLiterals;

namespace quorvel {

Form1::Form1(Form1Services services)
    : m_services(std::move(services)),
      m_settings(m_services.settings ? *m_services.settings : m_noSettings),
      m_density(m_services.density.value_or(densityForDpi(logicalDpiX(), logicalDpiY()))) {
    setWindowTitle(u"Quorvel"_s);
    setWindowIcon(applicationIcon());
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setAcceptDrops(true);
    setMouseTracking(true);
    setFont(fontFor(ControlLook::Plain, kWindowFontSize));
    createParts();
    Form_Load();
}

Form1::~Form1() = default;

void Form1::createParts() {
    m_controls = createControls(*this);
    m_controls.picBack1->setPixmap(normalDropAreaPicture(devicePixelRatioF()));
    m_controls.picBack2->setPixmap(highlightedDropAreaPicture(devicePixelRatioF()));
    m_layout = std::make_unique<Form1Layout>(*this);
    m_layout->place(m_density);
    m_pictures = std::make_unique<DropAreaPictures>(*m_controls.picBack1, *m_controls.picBack2,
                                                    [this] { update(); });
    m_batchWindow = std::make_unique<Form1BatchWindow>(
        m_controls, *m_pictures, *m_services.pump, *m_services.opener, *m_services.messages);
    connect(m_controls.timerRun, &QTimer::timeout, this, &Form1::timerRun_Timer);
    // Only the window takes drops: a text box would insert the dropped file's address into
    // the quality or width, so its drags are the window's.
    for (QLineEdit* box : {m_controls.txtConvert, m_controls.txtResize, m_controls.Text2,
                           m_controls.Text1}) {
        box->setAcceptDrops(false);
        box->installEventFilter(this);
    }
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

void Form1::Form_Load() {
    m_pictures->showNormal();
    // runDos before the window strings: they live with the batch, which runs through it.
    runDos = std::make_unique<DOSOutputs>(DOSOutputs::Platform{
        *m_services.pump, *m_services.messages, *m_services.codePage, *m_services.children,
        *m_services.processes});
    m_runner = std::make_unique<DOSOutputsRunner>(*runDos);
    m_batch = std::make_unique<ConversionBatch>(*m_batchWindow, *m_runner,
                                                m_services.programFolder, *m_services.fileSystem,
                                                *m_services.codePage, *m_services.clock);
    m_batch->OutputFolder(defaultOutputFolder());
    UnicodeDialogs = std::make_unique<CommonDlgsW>(*m_services.dialogs);
    m_staging = std::make_unique<PhotoStaging>(m_services.stagingFolder, *m_services.fileSystem,
                                               *m_services.codePage, *m_services.clock);
    m_intake = std::make_unique<PhotoIntake>(PhotoIntake::Parts{
        *this, *m_controls.Label1, *m_controls.timerRun, *m_batchWindow, *m_batch, *m_staging,
        *m_pictures});
    m_options = std::make_unique<OptionHandlers>(OptionHandlers::Parts{
        *this, m_controls, *m_batch, *m_services.folders, *m_services.opener});
    connectOptionClicks();
    restoreOptions();
    if (m_controls.Label5->caption() == u"YES"_s) m_controls.txtResize->setEnabled(true);
    m_layout->runDpiPass(m_density);
    sizeWindow();
    centreOnScreen();
}

void Form1::connectOptionClicks() {
    OptionHandlers* options = m_options.get();
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

OptionControls Form1::optionControls() const {
    return {*m_controls.lblFormat, *m_controls.Text1, *m_controls.Label5, *m_controls.txtResize};
}

void Form1::restoreOptions() {
    try {
        m_settings.restoreOptions(optionControls());
    } catch (const std::exception&) {
        // A settings file that cannot be read leaves the design values; start-up goes on.
    }
}

void Form1::sizeWindow() {
    m_outerSize = windowOuterSize(*m_layout->geometry("picBack2").Width,
                                  m_layout->geometry("Label3").Top, m_density);
    const TwipsSize client = windowClientSize(m_outerSize, m_density);
    setFixedSize(pixelsOf(client.width, m_density.twipsPerPixelX),
                 pixelsOf(client.height, m_density.twipsPerPixelY));
}

void Form1::centreOnScreen() {
    if (const QScreen* shown = screen())
        move(shown->availableGeometry().center() - rect().center());
}

void Form1::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), kWindowBackground);
    if (!m_pictures->current().isNull()) painter.drawPixmap(0, 0, m_pictures->current());
}

void Form1::mousePressEvent(QMouseEvent* event) {
    m_clickStarted = event->button() == Qt::LeftButton;
}

void Form1::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = m_clickStarted && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    m_clickStarted = false;
    // The click runs a whole batch; it starts once the release has been handled, so the
    // mouse is no longer held by the window while the batch lets other events run.
    if (click) QTimer::singleShot(0, this, &Form1::Form_Click);
}

void Form1::Form_Click() {
    m_intake->Form_Click();
    endIfUnloaded();
}

void Form1::mouseMoveEvent(QMouseEvent* event) {
    const QPointF at = event->position();
    m_intake->Form_MouseMove(static_cast<float>(at.x() * m_density.twipsPerPixelX),
                             static_cast<float>(at.y() * m_density.twipsPerPixelY));
}

void Form1::dragEnterEvent(QDragEnterEvent* event) {
    m_intake->Form_OLEDragOver();
    event->acceptProposedAction();
}

void Form1::dragMoveEvent(QDragMoveEvent* event) {
    m_intake->Form_OLEDragOver();
    event->acceptProposedAction();
}

void Form1::dragLeaveEvent(QDragLeaveEvent*) { m_intake->Form_OLEDragOver(); }

void Form1::dropEvent(QDropEvent* event) {
    event->setDropAction(m_intake->Form_OLEDragDrop(event->mimeData()));
    event->accept();
}

void Form1::timerRun_Timer() {
    m_batch->RunBatch(BatchVariant::Drop);
    endIfUnloaded();
}

void Form1::closeEvent(QCloseEvent* event) {
    short Cancel = 0;
    Form_Unload(Cancel);
    if (Cancel != 0) return event->ignore();
    event->accept();
    m_unloading = true;
    endIfUnloaded();
    if (!m_unloadAnnounced) endRunningConversion();
}

void Form1::endRunningConversion() {
    // Its output is written atomically, so ending it loses nothing but that photo; SIGTERM
    // lets it remove its own staging first, and only one that ignores that is killed.
    QTimer::singleShot(kCloseGraceMilliseconds, this, [this] { runDos->terminateRuns(false); });
    QTimer::singleShot(2 * kCloseGraceMilliseconds, this, [this] { runDos->terminateRuns(true); });
}

void Form1::Form_Unload(short& Cancel) {
    try {
        m_settings.saveOptions(optionControls());
    } catch (const std::exception&) {
        // Nothing is reported: the window closes all the same.
    }
    // A running batch finishes its current conversion and starts nothing more.
    m_batch->requestStop();
    m_controls.timerRun->stop();
    Cancel = 0;
}

void Form1::endIfUnloaded() {
    if (!m_unloading || m_unloadAnnounced || m_batch->running()) return;
    m_unloadAnnounced = true;
    Q_EMIT unloaded();
}

}  // namespace quorvel
