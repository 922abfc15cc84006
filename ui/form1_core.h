#pragma once
// Everything Form1 does that is not toolkit: start-up (Form_Load), the intake of clicks, drops
// and pointer moves, the option clicks, timerRun's tick and shut-down (Form_Unload and the
// close). A shell creates its controls, implements Form1View over them and routes its events
// here.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "dpi_pass.h"
#include "drop_area_pictures.h"
#include "form1_layout.h"
#include "form1_services.h"
#include "form1_view.h"
#include "option_settings.h"

namespace quorvel {

class ConversionBatch;
class DOSOutputs;
class DOSOutputsRunner;
class Form1BatchWindow;
class OptionHandlers;
class PhotoIntake;
class PhotoStaging;

class Form1Core {
public:
    // `unloaded` runs once, when the window has closed and no batch runs any more: the program
    // may end then. The view must outlive the core.
    Form1Core(Form1Services services, Form1View& view, ScreenDensity density,
              std::function<void()> unloaded);
    ~Form1Core();

    // Start-up, once the shell has created every control with its design values.
    void Form_Load();

    // A click of the left button released over the window's own area: the batch it starts runs
    // once the release has been handled, so the mouse is no longer held by the window while
    // the batch lets other events run.
    void clicked();
    // The pointer at (x, y) pixels of the client area.
    void pointerMoved(double x, double y);
    // Something dragged over the window (entering, moving or leaving).
    void draggedOver();
    // A drop of these local paths, in order.
    void dropped(const std::vector<std::string>& paths);
    void timerRun_Timer();
    // The window is asked to close; false when it stays open.
    bool closeRequested();

    // How long a conversion still running at the close may take to finish before it is ended.
    static constexpr int kCloseGraceMilliseconds = 3000;

    ConversionBatch& batch() { return *m_batch; }
    const DropAreaPictures& pictures() const { return m_pictures; }
    const Form1Layout& layout() const { return m_layout; }
    PhotoIntake& intake() { return *m_intake; }
    OptionHandlers& options() { return *m_options; }
    const ScreenDensity& density() const { return m_density; }
    TwipsSize outerSize() const { return m_outerSize; }
    OptionValues optionValues() const;

private:
    void Form_Click();
    void Form_Unload(short& Cancel);
    void restoreOptions();
    void sizeWindow();
    void endIfUnloaded();
    void endRunningConversion();

    Form1Services m_services;
    Form1View& m_view;
    NoOptionSettings m_noSettings;
    OptionSettings& m_settings;
    ScreenDensity m_density;
    std::function<void()> m_unloaded;
    Form1Layout m_layout;
    DropAreaPictures m_pictures;
    std::unique_ptr<Form1BatchWindow> m_batchWindow;
    std::unique_ptr<DOSOutputs> runDos;
    std::unique_ptr<DOSOutputsRunner> m_runner;
    std::unique_ptr<ConversionBatch> m_batch;
    std::unique_ptr<PhotoStaging> m_staging;
    std::unique_ptr<PhotoIntake> m_intake;
    std::unique_ptr<OptionHandlers> m_options;
    TwipsSize m_outerSize;
    bool m_unloading = false;
    bool m_unloadAnnounced = false;
};

}  // namespace quorvel
