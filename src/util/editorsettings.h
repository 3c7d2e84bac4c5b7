#pragma once

#include <QSettings>
#include <memory>

// The editor's own settings file (an INI file under the user's
// configuration folder, "Quizmora/Quizmora Editor.conf"), never the game's.
// The tool reads it too, so it lives below the window.
std::unique_ptr<QSettings> OpenEditorSettings();
