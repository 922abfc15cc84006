#include "photo_intake.h"

#include <exception>

#include "conversion_batch.h"
#include "drop_area_pictures.h"
#include "form1_view.h"
#include "hover_rectangle.h"
#include "staging.h"
#include "unicode_dialogs.h"

namespace quorvel {

const std::string kPhotoFilter =
    "All Files(*.*)|*.*"
    "|NEF - Nikon Digital SLR Camera Raw Image(*.NEF)|*.nef"
    "|HEIC - High Efficiency Image Container(*.heic)|*.heic"
    "|HEIF - High Efficiency Image File(*.heif)|*.heif"
    "|NRW - Nikon Digital SLR Camera Raw Image(*.nrw)|*.nrw"
    "|ORF - Olympus Digital Camera Raw Image(*.orf)|*.orf"
    "|RW2 - Panasonic Lumix Raw Image(*.RW2)|*.rw2"
    "|RAF - Fuji Camera Raw File(*.raf)|*.raf"
    "|HDR - High Dynamic Range(*.hdr)|*.hdr"
    "|CR2 - Canon Raw Version 2 Image(*.cr2)|*.cr2"
    "|DNG - Digital Negative Image(*.dng)|*.dng";

bool PhotoIntake::converting() const { return m.window.prompt().starts_with("Conv"); }

void PhotoIntake::Form_Click() {
    if (converting()) return;
    if (!pickPhoto()) return;
    if (UnicodeDialogs->FileName.empty()) return m.pictures.showNormal();
    m.staging.stage(UnicodeDialogs->FileName, m.window);
    m.batch.RunBatch(BatchVariant::Click);
}

// True when the user confirmed a photo. A dialog that could not be shown counts as cancelled.
bool PhotoIntake::pickPhoto() {
    if (!UnicodeDialogs) return false;
    UnicodeDialogs->FileName.clear();
    UnicodeDialogs->Filter = kPhotoFilter;
    try {
        return UnicodeDialogs->ShowOpen(m.view.handle());
    } catch (const std::exception&) {
        return false;
    }
}

void PhotoIntake::Form_OLEDragDrop(const std::vector<std::string>& paths) {
    m.pictures.showNormal();
    // Only local files make a file list; anything else dropped adds nothing. Paths go in with
    // native separators, the ones the engine splits names on.
    for (const std::string& path : paths) m.staging.stageDropped(path, m.window);
    m.batch.PrepareBatch();
    m.view.startRunTimer();
}

void PhotoIntake::Form_OLEDragOver() { m.view.setVisible(ids::Label1, false); }

void PhotoIntake::Form_MouseMove(float X, float Y) {
    if (converting()) return;
    if (insideHoverRectangle(X, Y)) {
        if (m.pictures.showsNormal()) m.pictures.showHighlighted();
    } else if (m.pictures.showsHighlighted()) {
        m.pictures.showNormal();
    }
}

}  // namespace quorvel
