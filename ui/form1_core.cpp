#include "form1_core.h"

#include <exception>

#include "conversion_batch.h"
#include "dos_outputs.h"
#include "dos_outputs_runner.h"
#include "form1_batch_window.h"
#include "option_handlers.h"
#include "photo_intake.h"
#include "staging.h"
#include "unicode_dialogs.h"

namespace quorvel {

Form1Core::Form1Core(Form1Services services, Form1View& view, ScreenDensity density,
                     std::function<void()> unloaded)
    : m_services(std::move(services)),
      m_view(view),
      m_settings(m_services.settings ? *m_services.settings : m_noSettings),
      m_density(density),
      m_unloaded(std::move(unloaded)),
      m_pictures([&view] { view.repaintPicture(); }) {
    m_view.placeControls(m_layout, m_density);
    m_batchWindow = std::make_unique<Form1BatchWindow>(m_view, m_pictures, *m_services.pump,
                                                       *m_services.opener, *m_services.messages);
}

Form1Core::~Form1Core() = default;

void Form1Core::Form_Load() {
    m_pictures.showNormal();
    // runDos before the window strings: they live with the batch, which runs through it.
    runDos = std::make_unique<DOSOutputs>(
        DOSOutputs::Platform{*m_services.pump, *m_services.messages, *m_services.codePage,
                             *m_services.children, *m_services.processes});
    m_runner = std::make_unique<DOSOutputsRunner>(*runDos);
    m_batch = std::make_unique<ConversionBatch>(*m_batchWindow, *m_runner,
                                                m_services.programFolder, *m_services.fileSystem,
                                                *m_services.codePage, *m_services.clock);
    m_batch->OutputFolder(defaultOutputFolder());
    UnicodeDialogs = std::make_unique<CommonDlgsW>(*m_services.dialogs);
    m_staging = std::make_unique<PhotoStaging>(m_services.stagingFolder, *m_services.fileSystem,
                                               *m_services.codePage, *m_services.clock);
    m_intake = std::make_unique<PhotoIntake>(
        PhotoIntake::Parts{m_view, *m_batchWindow, *m_batch, *m_staging, m_pictures});
    m_options = std::make_unique<OptionHandlers>(
        OptionHandlers::Parts{m_view, *m_batch, *m_services.folders, *m_services.opener});
    restoreOptions();
    if (m_view.text(ids::Label5) == "YES") m_view.setEnabled(ids::txtResize, true);
    m_layout.runDpiPass(m_density);
    m_view.placeControls(m_layout, m_density);
    sizeWindow();
}

OptionValues Form1Core::optionValues() const {
    return {m_view.text(ids::lblFormat), m_view.text(ids::Text1), m_view.text(ids::Label5),
            m_view.text(ids::txtResize)};
}

void Form1Core::restoreOptions() {
    const OptionValues before = optionValues();
    OptionValues values = before;
    try {
        m_settings.restoreOptions(values);
    } catch (const std::exception&) {
        // A settings file that cannot be read leaves the design values; start-up goes on.
        return;
    }
    const std::pair<ControlId, std::string OptionValues::*> fields[] = {
        {ids::lblFormat, &OptionValues::format},
        {ids::Text1, &OptionValues::quality},
        {ids::Label5, &OptionValues::resizeSwitch},
        {ids::txtResize, &OptionValues::resizeWidth}};
    for (const auto& [id, field] : fields)
        if (values.*field != before.*field) m_view.setText(id, values.*field);
}

void Form1Core::sizeWindow() {
    m_outerSize = m_layout.outerSize(m_density);
    const TwipsSize client = windowClientSize(m_outerSize, m_density);
    m_view.fixClientSize(pixelsOf(client.width, m_density.twipsPerPixelX),
                         pixelsOf(client.height, m_density.twipsPerPixelY));
}

void Form1Core::clicked() {
    m_view.runLater(0, [this] { Form_Click(); });
}

void Form1Core::Form_Click() {
    m_intake->Form_Click();
    endIfUnloaded();
}

void Form1Core::pointerMoved(double x, double y) {
    m_intake->Form_MouseMove(static_cast<float>(x * m_density.twipsPerPixelX),
                             static_cast<float>(y * m_density.twipsPerPixelY));
}

void Form1Core::draggedOver() { m_intake->Form_OLEDragOver(); }

void Form1Core::dropped(const std::vector<std::string>& paths) {
    m_intake->Form_OLEDragDrop(paths);
}

void Form1Core::timerRun_Timer() {
    m_batch->RunBatch(BatchVariant::Drop);
    endIfUnloaded();
}

bool Form1Core::closeRequested() {
    short Cancel = 0;
    Form_Unload(Cancel);
    if (Cancel != 0) return false;
    m_unloading = true;
    endIfUnloaded();
    if (!m_unloadAnnounced) endRunningConversion();
    return true;
}

void Form1Core::endRunningConversion() {
    // Its output is written atomically, so ending it loses nothing but that photo; the gentle
    // end lets it remove its own staging first, and only one that ignores that is killed.
    m_view.runLater(kCloseGraceMilliseconds, [this] { runDos->terminateRuns(false); });
    m_view.runLater(2 * kCloseGraceMilliseconds, [this] { runDos->terminateRuns(true); });
}

void Form1Core::Form_Unload(short& Cancel) {
    try {
        m_settings.saveOptions(optionValues());
    } catch (const std::exception&) {
        // Nothing is reported: the window closes all the same.
    }
    // A running batch finishes its current conversion and starts nothing more.
    m_batch->requestStop();
    m_view.stopRunTimer();
    Cancel = 0;
}

void Form1Core::endIfUnloaded() {
    if (!m_unloading || m_unloadAnnounced || m_batch->running()) return;
    m_unloadAnnounced = true;
    if (m_unloaded) m_unloaded();
}

}  // namespace quorvel
