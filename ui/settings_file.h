#pragma once
// settingquorvel.ini: the four conversion options, one per line (format, quality, resize
// switch, width), each ended by CR LF, in the code page. Read once at start-up, written at
// every close.
//
// Each line is one value, so a comma inside a value stays in it. The file is written to a
// temporary file beside it and renamed into place, so a failed write never leaves it
// truncated. Nothing is reported: a file that is missing, unreadable or short leaves the
// values it cannot fill as they are; a file that cannot be written is not written.
#include <string>

#include "option_settings.h"

namespace quorvel {

namespace platform {
class EventPump;
}

// $APPDATA/settingquorvel.ini when APPDATA is set, else
// ${XDG_CONFIG_HOME:-$HOME/.config}/settingquorvel.ini.
std::string settingsFilePath();

class SettingsFile : public OptionSettings {
public:
    // `createFolder`: make the file's folder when it is missing (the XDG configuration folder
    // is created on first use; a folder named by APPDATA is taken as it is). Every read and
    // write is followed by one pass of `pump`.
    SettingsFile(std::string path, platform::EventPump& pump, bool createFolder = false);

    void restoreOptions(OptionValues& values) override;
    void saveOptions(const OptionValues& values) override;

    const std::string& path() const { return m_path; }

private:
    std::string m_path;
    platform::EventPump& m_pump;
    bool m_createFolder;
};

// The program's settings file at settingsFilePath(), creating the XDG folder when needed.
SettingsFile programSettingsFile(platform::EventPump& pump);

}  // namespace quorvel
