#pragma once

#include "document/gamesetdocument.h"

#include <QObject>
#include <QVariant>
#include <functional>

class CommandGuard;
class QAction;
class QMenu;
class QWidget;
class Services;
struct Finding;

// The commands that carry the whole set in or out: the tab-delimited import
// and export of a spreadsheet's board, and printing.
class SetTransferCommands : public QObject {
    Q_OBJECT

public:
    // The window's commands these handle.
    struct Controls {
        QMenu* fileMenu = nullptr; // Export goes in before Print
        QAction* mnuImportTabDelimited = nullptr;
        QAction* mnuFilePrint = nullptr;
        QAction* btnPrint = nullptr;
    };
    // What the window keeps beside the set, asked of it here.
    struct Hooks {
        // The folder the set's choosers last used ("" for the default one).
        std::function<QString()> chooserFolder;
        // What the window shows of a set apart from the set itself (the file
        // a recovered set came from, say), kept with an import for its Undo.
        std::function<QVariant()> viewState;
    };

    // `window` parents the dialogs; its input is taken away while printing.
    SetTransferCommands(QWidget& window, GameSetDocument& document, Services& services,
                        const CommandGuard& guard, const Controls& controls, Hooks hooks);

    void mnuImportTabDelimited_Click();
    void mnuExportTabDelimited_Click();
    void mnuFilePrint_Click();

signals:
    // Another whole set is in the document: an import, or its Undo or Redo.
    void wholeSetReplaced();

private:
    bool ConfirmImportFindings(const QList<Finding>& findings);
    void SetEditorInputEnabled(bool enabled);
    QString ChooserFolder() const;

    QWidget& m_window;
    GameSetDocument& m_document;
    Services& m_services;
    const CommandGuard& m_guard;
    Hooks m_hooks;
};
