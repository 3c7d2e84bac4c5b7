#pragma once

#include <memory>

class frmEditor;
class Services;
class GameSetDocument;

class QString;

// Creates the editor window, runs its start-up once and shows it. startFile:
// a game set named on the command line ("" for none).
std::unique_ptr<frmEditor> StartEditor(GameSetDocument& document, Services& services,
                                       const QString& startFile);

// The program's start routine: the application, the platform services, the
// game set and the editor window, then the event loop.
int Main(int& argc, char** argv);
