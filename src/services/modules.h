#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class GameSetDocument;
class MediaPlayer;
class QDialog;
class QPrinter;
class QWidget;
class Services;
struct PrinterChoice;

// The parts that link large libraries (Qt Multimedia with its backend, Qt
// PrintSupport) live in modules loaded at their first use, so the dynamic
// linker does not map those libraries before the window shows. Each module
// has C entry points, declared here and defined in the module.
extern "C" {
// quizmora-media: a player of sound, and of video into `videoParent` when one is given.
MediaPlayer* qz_create_media_player(QWidget* videoParent);
// quizmora-print: the print options dialog of the window's Print command (see
// frmEditorPrintOptions), and the printer chooser.
QDialog* qz_create_print_options(Services& services, const GameSetDocument& document,
                                 std::function<void()> enableEditor, QWidget* parent);
PrinterChoice qz_choose_printer(QPrinter& printer, QWidget* parent);
}

namespace Modules {
inline const char Media[] = "quizmora-media";
inline const char Print[] = "quizmora-print";
} // namespace Modules

// Where modules are looked for, in order: the program's folder, the installed
// module folder beside the program's, and the build tree (for test programs).
QStringList ModuleFolders();

// Loads `module` from the first of `folders` that holds it and returns its
// entry point `symbol`; nullptr, with `error` saying what failed, when it
// cannot. A loaded module stays loaded: its objects live on in the window.
void (*ModuleFunction(const QString& module, const char* symbol, const QStringList& folders,
                      QString& error))();

// The same, typed after the entry point's declaration above.
template <typename Function>
Function* LoadModuleFunction(const QString& module, const char* symbol, const QStringList& folders,
                             QString& error) {
    return reinterpret_cast<Function*>(ModuleFunction(module, symbol, folders, error));
}
