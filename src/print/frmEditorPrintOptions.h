#pragma once

#include "document/gamesetdocument.h"
#include "print/listing.h"

#include <QDialog>
#include <array>
#include <functional>
#include <memory>

class QPrinter;
class QRadioButton;
class Services;

namespace Ui {
class frmEditorPrintOptions;
}

// The print options dialog: which fields and which dollar values the listing
// shows. It only reads the game set. It has no parent window, because the
// editor is disabled while it is open and a child window would be disabled
// with it; it stays on top instead.
class frmEditorPrintOptions : public QDialog {
    Q_OBJECT

public:
    // `enableEditor` gives the editor window its input back when the dialog
    // is discarded or hidden.
    frmEditorPrintOptions(Services& services, const GameSetDocument& document,
                          std::function<void()> enableEditor, QWidget* parent = nullptr);
    ~frmEditorPrintOptions() override;

    void Form_Load();
    void btnPrint_Click();
    void btnCancel_Click();

    PrintMode printMode() const;
    DollarValues dollarValues() const;

    // The printer the chooser sets up; it keeps its settings between prints.
    QPrinter& printer() { return *m_printer; }

    // Option buttons by their index.
    std::array<QRadioButton*, 3> optPrintField{};
    std::array<QRadioButton*, 7> optDollarAmounts{};

protected:
    void reject() override;

private:
    // The file a PDF copy goes to: copies after the first get "-2", "-3", ...
    // before the extension, so that every copy is kept as its own document.
    static QString CopyFileName(const QString& fileName, int copy);
    // Names the printout after the set, and where only a PDF can be written,
    // puts it beside the set rather than in the home folder.
    void SuggestOutputFile();

    std::unique_ptr<Ui::frmEditorPrintOptions> m_ui;
    std::unique_ptr<QPrinter> m_printer;
    Services& m_services;
    const GameSetDocument& m_document;
    std::function<void()> m_enableEditor;
};
