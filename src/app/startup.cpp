#include "app/startup.h"

#include "app/commandline.h"
#include "document/autosave.h"
#include "editor/frmEditor.h"
#include "editor/pngicons.h"
#include "services/qtservices.h"

#include <QApplication>
#include <QTimer>

#include <csignal>

std::unique_ptr<frmEditor> StartEditor(GameSetDocument& document, Services& services,
                                       const QString& startFile) {
    UsePngIconStyle();
    auto window = std::make_unique<frmEditor>(document, services);
    window->Form_Load(startFile);
    window->FitToScreen();
    window->show();
    return window;
}

std::unique_ptr<Autosave> StartRecovery(frmEditor& window, GameSetDocument& document,
                                        const QString& folder) {
    auto autosave = std::make_unique<Autosave>(document, folder);
    window.OfferRecovery(*autosave);
    return autosave;
}

std::unique_ptr<Program> StartProgram(const QString& startFile) {
    // Recovery copies are kept under this name.
    QApplication::setApplicationName(QStringLiteral("QuizmoraEditor"));
    auto program = std::make_unique<Program>();
    program->window = StartEditor(program->document, program->services, startFile);
    program->services.setParentWidget(program->window.get());
    program->autosave = StartRecovery(*program->window, program->document, DefaultRecoveryFolder());
    return program;
}

Program::~Program() = default;

namespace {

// --help and --version are answered before the GUI exists: a terminal without
// a display (ssh, a package build running help2man) must get them too.
bool AsksOnlyToPrint(int argc, char** argv) {
    for (int index = 1; index < argc; ++index) {
        const QByteArray argument(argv[index]);
        if (argument == "-h" || argument == "--help" || argument == "-v" || argument == "--version")
            return true;
    }
    return false;
}

} // namespace

int Main(int& argc, char** argv) {
    // Over a file-size limit a write fails with "File too large" and is
    // reported, instead of the signal ending the program unsaved.
    std::signal(SIGXFSZ, SIG_IGN);
    if (AsksOnlyToPrint(argc, argv)) {
        QCoreApplication printer(argc, argv);
        QCoreApplication::setApplicationVersion(QStringLiteral(QZ_VERSION));
        const EditorCommandLine commandLine = ReadEditorCommandLine(QCoreApplication::arguments());
        return commandLine.exitStatus.value_or(1);
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("QuizmoraEditor"));
    QApplication::setApplicationVersion(QStringLiteral(QZ_VERSION));
    // Ties the window to the installed desktop entry (its icon on Wayland).
    QGuiApplication::setDesktopFileName(QStringLiteral("org.quizmora.Editor"));
    // Before any window exists, so --help and --version only print.
    const EditorCommandLine commandLine = ReadEditorCommandLine(QCoreApplication::arguments());
    if (commandLine.exitStatus)
        return *commandLine.exitStatus;
    const std::unique_ptr<Program> program = StartProgram(commandLine.file);
    // For start-up measurements: leave as soon as the window has been shown.
    if (qEnvironmentVariableIntValue("QZ_QUIT_AFTER_SHOW") == 1)
        QTimer::singleShot(0, &application, &QCoreApplication::quit);
    return QApplication::exec();
}
