// The Help menu: the About box, Qt's own About box and the window icon.

#include "editor/aboutbox.h"
#include "editor/pngicons.h"

#include "services/services.h"

#include <QAction>
#include <QCoreApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>

namespace {

// The icon is compiled into the program, so the window has it wherever the
// program runs from, installed or not.
QIcon ProgramIcon() {
    QList<PngPicture> pictures;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        pictures.append({size, QStringLiteral(":/icons/%1.png").arg(size)});
    return PngIcon(pictures);
}

} // namespace

QString AboutText() {
    QString qtVersions = QStringLiteral(QT_VERSION_STR);
    if (qtVersions != QLatin1String(qVersion()))
        qtVersions += QStringLiteral(", running on ") + QLatin1String(qVersion());
    return QStringLiteral("Quizmora Editor\nVersion %1\n\n"
                          "The editor for the game sets of the Quizmora quiz-board game.\n\n"
                          "Licence: MIT\n\n"
                          "Built with Qt %2: Qt Core, Qt GUI, Qt Widgets, Qt Multimedia "
                          "(sound and video through GStreamer), Qt Multimedia Widgets and "
                          "Qt Print Support.")
        .arg(QCoreApplication::applicationVersion(), qtVersions);
}

void AddHelpMenu(QMainWindow& window, Services& services) {
    // The resource sits in the editor's static library, where nothing else
    // refers to it; without this the linker would leave it out.
    static const bool iconLoaded = [] {
        Q_INIT_RESOURCE(programicon);
        return true;
    }();
    Q_UNUSED(iconLoaded);
    window.setWindowIcon(ProgramIcon());

    QMenu* help = window.menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));

    QAction* about = help->addAction(QStringLiteral("&About Quizmora Editor"));
    about->setObjectName(QStringLiteral("mnuHelpAbout"));
    about->setMenuRole(QAction::AboutRole);
    // The services' message box is enough for a few lines of plain text, and
    // tests read the About box there as they read every other message.
    QObject::connect(about, &QAction::triggered, &window, [&services] {
        services.showMessage(AboutText(), MessageButtons::Ok, MessageIcon::Information,
                             QStringLiteral("About Quizmora Editor"));
    });

    QAction* aboutQt = help->addAction(QStringLiteral("About &Qt"));
    aboutQt->setObjectName(QStringLiteral("mnuHelpAboutQt"));
    aboutQt->setMenuRole(QAction::AboutQtRole);
    // The services have no call for Qt's own box, which only informs.
    QObject::connect(aboutQt, &QAction::triggered, &window,
                     [&window] { QMessageBox::aboutQt(&window); });
}
