#pragma once

#include "document/gamesetdocument.h"
#include "services/qtservices.h"

#include <QString>
#include <memory>

class Autosave;
class frmEditor;
class Services;
class GameSetDocument;

class QString;

// Creates the editor window, runs its start-up once and shows it. startFile:
// a game set named on the command line ("" for none).
std::unique_ptr<frmEditor> StartEditor(GameSetDocument& document, Services& services,
                                       const QString& startFile);

// Offers the recovery copies in `folder` that editors which ended without
// saving left behind, then keeps this editor's unsaved changes there.
std::unique_ptr<Autosave> StartRecovery(frmEditor& window, GameSetDocument& document,
                                        const QString& folder);

// The program as Main starts it: the services, the game set, the window and
// its recovery copies. The application object exists already.
struct Program {
    ~Program();
    QtServices services;
    GameSetDocument document;
    std::unique_ptr<frmEditor> window;
    std::unique_ptr<Autosave> autosave;
};
std::unique_ptr<Program> StartProgram(const QString& startFile = QString());

// The program's start routine: the application, the platform services, the
// game set and the editor window, then the event loop.
int Main(int& argc, char** argv);
