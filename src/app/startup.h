#pragma once

#include <memory>

class frmEditor;
class Services;
class GameSetDocument;

// Creates the editor window, runs its start-up once and shows it.
std::unique_ptr<frmEditor> StartEditor(GameSetDocument& document, Services& services);

// The program's start routine: the application, the platform services, the
// game set and the editor window, then the event loop.
int Main(int& argc, char** argv);
