#pragma once

#include <QString>
#include <memory>

class Autosave;
class frmEditor;
class Services;
class GameSetDocument;

// Creates the editor window, runs its start-up once and shows it.
std::unique_ptr<frmEditor> StartEditor(GameSetDocument& document, Services& services);

// Offers the recovery copies in `folder` that editors which ended without
// saving left behind, then keeps this editor's unsaved changes there.
std::unique_ptr<Autosave> StartRecovery(frmEditor& window, GameSetDocument& document,
                                        const QString& folder);

// The program's start routine: the application, the platform services, the
// game set and the editor window, then the event loop.
int Main(int& argc, char** argv);
