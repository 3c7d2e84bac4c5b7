#include "editor/frmRevision.h"

#include "ui_frmRevision.h"

#include <QCloseEvent>

frmRevision::frmRevision(QWidget* editor)
    : QWidget(nullptr), m_ui(std::make_unique<Ui::frmRevision>()), m_editor(editor) {
    m_ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    connect(m_ui->btnOK, &QPushButton::clicked, this, &frmRevision::btnOK_Click);
    Form_Load();
    if (m_editor) {
        m_editor->setEnabled(false);
        // Without its editor this window has nothing left to stand for.
        connect(m_editor, &QObject::destroyed, this, &QWidget::close);
    }
}

frmRevision::~frmRevision() {
    enableEditor();
}

void frmRevision::Form_Load() {
    // Topmost without moving or resizing.
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
}

void frmRevision::btnOK_Click() {
    enableEditor();
    close();
}

void frmRevision::closeEvent(QCloseEvent* event) {
    // The close box must not leave the editor disabled for good.
    enableEditor();
    event->accept();
}

void frmRevision::enableEditor() {
    if (m_editor)
        m_editor->setEnabled(true);
}
