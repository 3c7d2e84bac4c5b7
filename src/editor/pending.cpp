// TEMPORARY bodies so the window links while the other areas are written.
// Each owner deletes their functions from this file when implementing them
// in their own file (media.cpp, multiplechoice.cpp, fontscolours.cpp,
// filecommands.cpp, importprint.cpp); the file goes once it is empty.

#include "editor/frmEditor.h"

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

