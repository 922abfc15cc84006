#pragma once
// The clicks of the option strip: the format cycle, the resize switch, the output folder
// chooser, and the maker's link. Each click changes its option at once; a running batch reads
// the options again for its next file.
#include <string>

namespace quorvel {

class ConversionBatch;
class FolderChooser;
class Form1View;
class ShellOpener;

class OptionHandlers {
public:
    struct Parts {
        Form1View& view;         // the window: its controls, and the owner of the chooser
        ConversionBatch& batch;  // holds OutputFolder
        FolderChooser& folders;
        ShellOpener& opener;
    };
    explicit OptionHandlers(const Parts& parts) : m(parts) {}

    void lblFormat_Click();
    void Label5_Click();
    void Command1_Click();
    void lblPath_Click() { Command1_Click(); }
    void Label3_Click();

private:
    void setOutputFolder(const std::string& folder);

    Parts m;
};

}  // namespace quorvel
