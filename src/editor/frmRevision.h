#pragma once

#include <QPointer>
#include <QWidget>
#include <memory>

namespace Ui {
class frmRevision;
}

// The small "Revision" window: stays on top and keeps the editor window
// disabled until it is closed, by its OK button or by its close box.
class frmRevision : public QWidget {
    Q_OBJECT

public:
    // `editor` is disabled now and enabled again when this window closes.
    // The window has no parent: a disabled parent would disable it too.
    explicit frmRevision(QWidget* editor);
    ~frmRevision() override;

    void btnOK_Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
    void enableEditor();

    std::unique_ptr<Ui::frmRevision> m_ui;
    QPointer<QWidget> m_editor;
};
