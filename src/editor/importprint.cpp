// Import of a spreadsheet's tab-delimited export, and the print command.

#include "editor/frmEditor.h"

#include "import/tabimport.h"
#include "print/frmEditorPrintOptions.h"
#include "util/pathhelpers.h"
#include "util/textrules.h"

#include <QFileInfo>
#include <QSignalBlocker>

namespace {

// Takes the editor's input away, or gives it back, without disabling the
// window itself: the choosers and message boxes the print dialog opens are
// children of the editor and would be disabled along with it.
void SetEditorInputEnabled(frmEditor& editor, bool enabled) {
    const auto children = editor.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    for (QWidget* child : children) {
        if (!child->isWindow())
            child->setEnabled(enabled);
    }
}

void ShowImportedBoard(frmEditor& editor) {
    // An import replaces the whole board, so the author expects to see the new
    // category names and an empty Daily Double map at once, not only the
    // question panel. Nothing here may touch the game set or DataChanged.
    for (size_t index = 0; index < editor.lblCategory.size(); ++index) {
        editor.lblCategory[index]->setText(editor.m_state.game.CategoryNames[index].trimmed());
        editor.lblCategory[index]->setEnabled(index != 0);
    }
    for (QPushButton* button : editor.btnQuestion)
        button->show();
    editor.m_ui.btnMultipleChoice->show();
    editor.m_ui.btnSingleChoice->show();
    {
        // The name box shows category 1 without storing it back.
        const QSignalBlocker blocker(editor.m_ui.txtCategoryName);
        const QString name = editor.m_state.game.CategoryNames[0].trimmed();
        editor.m_ui.txtCategoryName->setText(name.isEmpty() ? frmEditor::DefaultCategoryName(1)
                                                            : name);
        editor.m_ui.txtCategoryName->setReadOnly(false);
    }
    editor.PaintDailyDoubleMap();
}

} // namespace

void frmEditor::mnuImportTabDelimited_Click() {
    if (MultipleChoiceGuard())
        return;
    // The board is cleared before the file is chosen, so a cancelled chooser
    // leaves an empty board behind (shown by the next navigation).
    ResetGameSet(m_state.game);

    // The chooser starts in the folder of the open game set, where the
    // spreadsheet of a board is most likely kept; else in the default folder.
    const QString folder = TrimSpaces(m_state.CurrentFilePath).isEmpty()
                               ? DefaultGameSetFolder()
                               : QFileInfo(m_state.CurrentFilePath).absolutePath();
    const QString path = m_services.getOpenFileName(folder, QStringLiteral("(*.txt)|*.txt"));
    if (path.isEmpty())
        return;

    const FileError error = ImportTabDelimitedFile(m_state.game, path);
    if (error.number == ErrorNumber::FileNotFound) {
        ShowOkMessage(QStringLiteral("File not found:\r\n") + path);
        return;
    }
    if (error.failed()) {
        ShowOkMessage(
            ErrorReportText(ReportStyle::Period, error, objectName(),
                            QStringLiteral("Prodecure: Import Excel Tab Delimited File")));
        return;
    }

    CurrentCategory = 1;
    CurrentQuestion = 1;
    DisPlayQuestion();
    ShowImportedBoard(*this);
}

void frmEditor::mnuFilePrint_Click() {
    // A dialog hidden after a failed printout is still loaded and keeps its
    // choices; one dismissed with Cancel is gone.
    auto* dialog = findChild<frmEditorPrintOptions*>(QString(), Qt::FindDirectChildrenOnly);
    if (!dialog) {
        dialog = new frmEditorPrintOptions(
            m_services, m_state,
            [this] {
                SetEditorInputEnabled(*this, true);
                activateWindow();
            },
            this);
    }
    SetEditorInputEnabled(*this, false);
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}
