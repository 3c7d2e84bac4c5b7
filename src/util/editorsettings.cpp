#include "util/editorsettings.h"

namespace {

const QString Organisation = QStringLiteral("Quizmora");
const QString Application = QStringLiteral("Quizmora Editor");

// Earlier versions kept the spelling choices in the platform's native
// settings ("Quizmora Editor.conf"). They move over once, without
// overwriting anything the editor's file already says, and the old file is
// emptied so a later change is not undone by a second move.
void MoveNativeSettings(QSettings& settings) {
    QSettings native(Organisation, Application);
    const QStringList keys = native.allKeys();
    if (keys.isEmpty())
        return;
    for (const QString& key : keys) {
        if (!settings.contains(key))
            settings.setValue(key, native.value(key));
    }
    settings.sync();
    if (settings.status() == QSettings::NoError)
        native.clear();
}

} // namespace

std::unique_ptr<QSettings> OpenEditorSettings() {
    auto settings = std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                                Organisation, Application);
    static bool moved = false;
    if (!moved) {
        moved = true;
        MoveNativeSettings(*settings);
    }
    return settings;
}
