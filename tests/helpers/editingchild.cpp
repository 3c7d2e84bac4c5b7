// The program, typing its argument as the first answer, waiting to be killed.
#include "app/startup.h"
#include "editor/frmEditor.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const std::unique_ptr<Program> program = StartProgram();
    program->window->m_ui.txtAnswer->setText(QString::fromUtf8(argv[argc - 1]));
    return QApplication::exec();
}
