// TEMPORARY bodies so the window links while the other areas are written.
// Each owner deletes their functions from this file when implementing them
// in their own file (media.cpp, multiplechoice.cpp, fontscolours.cpp,
// filecommands.cpp, importprint.cpp); the file goes once it is empty.

#include "editor/frmEditor.h"

// ---- media.cpp
void frmEditor::ShowPictureQuestion() {
    lblCArrow[CurrentCategory - 1]->show();
    m_ui.lblDisPlayQuestion->hide();
    m_ui.txtEnterQuestion->hide();
    m_ui.lblPath->show();
    m_ui.txtPath->show();
    m_ui.txtPath->setText(IsFinalQuestion() ? m_state.game.FinalQuestionText.trimmed()
                                            : CurrentBoardRecord()->QuestionText.trimmed());
}
void frmEditor::ShowSoundQuestion() {
    lblCArrow[CurrentCategory - 1]->show();
    m_ui.lblPath->show();
    m_ui.txtPath->show();
    m_ui.txtPath->setText(IsFinalQuestion() ? m_state.game.FinalMediaPath.trimmed()
                                            : CurrentBoardRecord()->MediaPath.trimmed());
}
void frmEditor::ShowVideoQuestion() {
    ShowPictureQuestion();
}
bool frmEditor::DisPlayPicture(const QString&) {
    return false;
}
void frmEditor::btnPicture_Click() {}
void frmEditor::btnSound_Click() {}
void frmEditor::btnVideo_Click() {}
void frmEditor::btnPlay_Click() {}
void frmEditor::btnStop_Click() {}
void frmEditor::btnVideoPlay_Click() {}
void frmEditor::btnVideoPause_Click() {}
void frmEditor::btnVideoStop_Click() {}

// ---- multiplechoice.cpp
void frmEditor::btnMultipleChoice_Click() {}
void frmEditor::btnSingleChoice_Click() {}
void frmEditor::btnDone_Click() {}
void frmEditor::btnCancel_Click() {}
void frmEditor::SaveMultipleChoiceAnswers() {}

// ---- fontscolours.cpp
void frmEditor::btnFont_Click() {}
void frmEditor::btnFontColor_Click() {}
void frmEditor::btnDefault_Click() {}
void frmEditor::btnCopy_Click() {}

// ---- filecommands.cpp
void frmEditor::mnuFileNew_Click() {}
void frmEditor::mnuFileOpen_Click() {}
void frmEditor::mnuFileSave_Click() {}
void frmEditor::mnuSaveAs_Click() {}
void frmEditor::mnuFileExit_Click() {}
void frmEditor::mnuFileRevision_Click() {}
void frmEditor::Form_QueryUnload(bool&, UnloadReason) {}
void frmEditor::Form_Unload(bool&) {}

