// The editor on the set named first, typing the second argument as the answer.
#include "app/startup.h"
#include "editor/frmEditor.h"

#include <QApplication>
#include <QLineEdit>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc < 3)
        return 2;
    const std::unique_ptr<Program> program = StartProgram(QString::fromLocal8Bit(argv[1]));
    program->window->findChild<QLineEdit*>(QStringLiteral("txtAnswer"))
        ->setText(QString::fromUtf8(argv[2]));
    return QApplication::exec();
}
