#include "app/startup.h"

#include "app/commandline.h"
#include "editor/frmEditor.h"
#include "services/qtservices.h"

#include <QApplication>
#include <QTimer>

std::unique_ptr<frmEditor> StartEditor(GameSetDocument& document, Services& services,
                                       const QString& startFile) {
    auto window = std::make_unique<frmEditor>(document, services);
    window->Form_Load(startFile);
    window->FitToScreen();
    window->show();
    return window;
}

int Main(int& argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("QuizmoraEditor"));
    QApplication::setApplicationVersion(QStringLiteral(QZ_VERSION));
    // Ties the window to the installed desktop entry (its icon on Wayland).
    QGuiApplication::setDesktopFileName(QStringLiteral("org.quizmora.Editor"));
    // Before any window exists, so --help and --version only print.
    const EditorCommandLine commandLine = ReadEditorCommandLine(QCoreApplication::arguments());
    if (commandLine.exitStatus)
        return *commandLine.exitStatus;
    QtServices services;
    GameSetDocument document;
    std::unique_ptr<frmEditor> window = StartEditor(document, services, commandLine.file);
    services.setParentWidget(window.get());
    // For start-up measurements: leave as soon as the window has been shown.
    if (qEnvironmentVariableIntValue("QZ_QUIT_AFTER_SHOW") == 1)
        QTimer::singleShot(0, &application, &QCoreApplication::quit);
    return QApplication::exec();
}
