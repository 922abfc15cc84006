#pragma once
// The drop area's intake of photos: a click picks one photo in the open dialog and converts it
// at once; a drop lists the dropped files and arms timerRun, whose tick converts them. Two cues
// go with it: the drop area lights up under the pointer, and the prompt hides while something
// is dragged over the window. Clicks and hovering are refused while a batch converts.
#include <string>
#include <vector>

namespace quorvel {

class BatchWindow;
class ConversionBatch;
class DropAreaPictures;
class Form1View;
class PhotoStaging;

// The open dialog's filter: all files first, then the photo types the converter reads.
extern const std::string kPhotoFilter;

class PhotoIntake {
public:
    struct Parts {
        Form1View& view;  // the window: owner of the dialog, Label1, timerRun
        BatchWindow& window;
        ConversionBatch& batch;
        PhotoStaging& staging;
        DropAreaPictures& pictures;
    };
    explicit PhotoIntake(const Parts& parts) : m(parts) {}

    void Form_Click();
    // The dropped local paths, in order; the drop's effect is a copy.
    void Form_OLEDragDrop(const std::vector<std::string>& paths);
    void Form_OLEDragOver();
    // X and Y in twips, in the window's client coordinates.
    void Form_MouseMove(float X, float Y);

private:
    bool converting() const;
    bool pickPhoto();

    Parts m;
};

}  // namespace quorvel
