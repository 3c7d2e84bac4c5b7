#include "util/editorsettings.h"

std::unique_ptr<QSettings> OpenEditorSettings() {
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                       QStringLiteral("Quizmora"),
                                       QStringLiteral("Quizmora Editor"));
}
