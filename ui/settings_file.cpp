#include "settings_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QSaveFile>
#include <QStringList>

#include "caption_label.h"
#include "platform/code_page.h"
#include "platform/event_pump.h"
#include "qt_event_pump.h"
#include "settings_fields.h"

using namespace Qt::StringLiterals;

namespace quorvel {
namespace {

const QString kFileName = u"settingquorvel.ini"_s;

QString xdgConfigFolder() {
    const QString configured = qEnvironmentVariable("XDG_CONFIG_HOME");
    return configured.isEmpty() ? QDir::homePath() + u"/.config"_s : configured;
}

QString fromAnsi(const QByteArray& bytes) {
    const auto& codePage = platform::systemCodePage();
    return QString::fromStdString(codePage.fromAnsi({bytes.constData(),
                                                     static_cast<std::size_t>(bytes.size())}));
}

QByteArray toAnsi(const QString& text) {
    return QByteArray::fromStdString(platform::systemCodePage().toAnsi(text.toStdString()));
}

// The file's lines without their line ends; nothing when it cannot be read.
QStringList readLines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    QStringList lines;
    for (QByteArray line : file.readAll().split('\n')) {
        if (line.endsWith('\r')) line.chop(1);
        lines << fromAnsi(line);
    }
    // The text after the last line end is a line only when it holds something.
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    return lines;
}

}  // namespace

QString settingsFilePath() {
    const QString appData = qEnvironmentVariable("APPDATA");
    return (appData.isEmpty() ? xdgConfigFolder() : appData) + u'/' + kFileName;
}

SettingsFile::SettingsFile(QString path, platform::EventPump& pump, bool createFolder)
    : m_path(std::move(path)), m_pump(pump), m_createFolder(createFolder) {}

void SettingsFile::restoreOptions(const OptionControls& controls) {
    // Only an ordinary file counts: a folder of that name is no settings file.
    if (!QFileInfo(m_path).isFile()) return;
    const QStringList lines = readLines(m_path);
    if (lines.size() > 0) controls.lblFormat.setCaption(settingsValue(lines[0]));
    if (lines.size() > 1) controls.Text1.setText(settingsValue(lines[1]));
    if (lines.size() > 2) controls.Label5.setCaption(settingsValue(lines[2]));
    if (lines.size() > 3) controls.txtResize.setText(settingsValue(lines[3]));
    m_pump.pumpOnce();
}

void SettingsFile::saveOptions(const OptionControls& controls) {
    if (m_createFolder) QDir().mkpath(QFileInfo(m_path).absolutePath());
    QSaveFile file(m_path);
    if (file.open(QIODevice::WriteOnly)) {
        for (const QString& value : {controls.lblFormat.caption(), controls.Text1.text(),
                                     controls.Label5.caption(), controls.txtResize.text()})
            file.write(toAnsi(value) + "\r\n");
        file.commit();
    }
    m_pump.pumpOnce();
}

SettingsFile& programSettingsFile() {
    static SettingsFile file(settingsFilePath(), qtEventPump(),
                             qEnvironmentVariableIsEmpty("APPDATA"));
    return file;
}

}  // namespace quorvel
