// The yardstick for the editor's start-up: a Qt Widgets program that shows
// one empty window. With QZ_QUIT_AFTER_SHOW=1 it quits as soon as the window
// has been shown, as the editor does.
#include <QApplication>
#include <QTimer>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QWidget window;
    window.resize(1018, 681);
    window.show();
    if (qEnvironmentVariableIntValue("QZ_QUIT_AFTER_SHOW") == 1)
        QTimer::singleShot(0, &application, &QCoreApplication::quit);
    return QApplication::exec();
}
