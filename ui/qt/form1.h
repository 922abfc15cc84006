#pragma once
// Form1: the program's only window. Its picture is the drop area (PhotoIntake), a strip along
// the bottom holds the option controls (OptionHandlers), and hidden controls hold the batch's
// data. The parts
// live in their own files; this class creates them in Form_Load and routes the window's events
// to them.
#include <QWidget>
#include <memory>
#include <optional>

#include "dpi_pass.h"
#include "form1_controls.h"
#include "form1_services.h"
#include "option_settings.h"

namespace quorvel {

class ConversionBatch;
class DOSOutputs;
class DOSOutputsRunner;
class DropAreaPictures;
class Form1BatchWindow;
class Form1Layout;
class OptionHandlers;
class PhotoIntake;
class PhotoStaging;

class Form1 : public QWidget {
    Q_OBJECT
public:
    explicit Form1(Form1Services services);
    ~Form1() override;

    const Form1Controls& controls() const { return m_controls; }
    // The window strings OutputFolder, ResizeArgument and ConvertCommand live with the batch.
    ConversionBatch& batch() { return *m_batch; }
    const DropAreaPictures& pictures() const { return *m_pictures; }
    const Form1Layout& layoutTwips() const { return *m_layout; }
    PhotoIntake& intake() { return *m_intake; }
    OptionHandlers& options() { return *m_options; }
    ScreenDensity density() const { return m_density; }
    // The outer size that start-up step 8 gave the window.
    TwipsSize outerSize() const { return m_outerSize; }
    OptionControls optionControls() const;

    // How long a conversion still running at the close may take to finish before it is ended.
    static constexpr int kCloseGraceMilliseconds = 3000;

Q_SIGNALS:
    // The window was closed and no batch runs any more: the program may end now.
    void unloaded();

protected:
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
    void createParts();
    void connectOptionClicks();
    void Form_Load();
    void Form_Unload(short& Cancel);
    void Form_Click();
    void timerRun_Timer();
    void restoreOptions();
    void sizeWindow();
    void centreOnScreen();
    void endIfUnloaded();
    void endRunningConversion();

    Form1Services m_services;
    NoOptionSettings m_noSettings;
    OptionSettings& m_settings;
    ScreenDensity m_density;
    Form1Controls m_controls;
    std::unique_ptr<Form1Layout> m_layout;
    std::unique_ptr<DropAreaPictures> m_pictures;
    std::unique_ptr<Form1BatchWindow> m_batchWindow;
    std::unique_ptr<DOSOutputs> runDos;
    std::unique_ptr<DOSOutputsRunner> m_runner;
    std::unique_ptr<ConversionBatch> m_batch;
    std::unique_ptr<PhotoStaging> m_staging;
    std::unique_ptr<PhotoIntake> m_intake;
    std::unique_ptr<OptionHandlers> m_options;
    TwipsSize m_outerSize;
    bool m_clickStarted = false;
    bool m_unloading = false;
    bool m_unloadAnnounced = false;
};

}  // namespace quorvel
