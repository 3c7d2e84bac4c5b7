// Spelling: the spell checker behind "Enable Spell Checker", its language
// chooser, and Check Spelling over the whole board.

#include "editor/frmEditor.h"
#include "editor/spellcheckdialog.h"
#include "editor/spellunderline.h"

#include "spell/spellchecker.h"
#include "util/editorsettings.h"

#include <QComboBox>
#include <QLocale>
#include <QSignalBlocker>
#include <QStandardPaths>
#include <QTimer>

namespace {

const QString EnabledKey = QStringLiteral("Spelling/Enabled");
const QString LanguageKey = QStringLiteral("Spelling/Language");

QString PersonalWordsPath() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/personal-words.txt");
}

} // namespace

void frmEditor::SetUpSpelling() {
    m_spellChecker =
        new SpellChecker(FindDictionaries(DictionaryFolders()), PersonalWordsPath(), this);
    m_spellUnderliner = new SpellUnderliner(*m_spellChecker, m_document, m_services, this);
    m_spellUnderliner->attach(m_ui.txtEnterQuestion, decltype(QuestionRecord::QuestionText)::width);
    m_spellUnderliner->attach(m_ui.txtAnswer, decltype(QuestionRecord::Answers)::value_type::width);
    for (QLineEdit* choice : txtEditAnswer)
        m_spellUnderliner->attach(choice, decltype(QuestionRecord::Answers)::value_type::width);
    m_spellUnderliner->attach(m_ui.txtCategoryName,
                              decltype(GameSet::CategoryNames)::value_type::width);

    // The chooser sits over the check box, under the final question's caption.
    const QRect padding = m_ui.lblSpellCheckerPadding->geometry();
    cboSpellLanguage = new QComboBox(m_ui.centralwidget);
    cboSpellLanguage->setObjectName(QStringLiteral("cboSpellLanguage"));
    cboSpellLanguage->setGeometry(padding.right() - 139, padding.top() - 31, 140, 27);
    cboSpellLanguage->setToolTip(tr("Spelling language"));
    for (const DictionaryInfo& dictionary : m_spellChecker->dictionaries())
        cboSpellLanguage->addItem(LanguageDisplayName(dictionary.language), dictionary.language);

    mnuEditCheckSpelling = new QAction(tr("Check &Spelling..."), this);
    mnuEditCheckSpelling->setObjectName(QStringLiteral("mnuEditCheckSpelling"));
    mnuEditCheckSpelling->setShortcut(Qt::Key_F7);
    m_ui.mnuEdit->addSeparator();
    m_ui.mnuEdit->addAction(mnuEditCheckSpelling);
    connect(mnuEditCheckSpelling, &QAction::triggered, this,
            &frmEditor::mnuEditCheckSpelling_Click);

    if (m_spellChecker->dictionaries().isEmpty()) {
        const QString hint = tr("No spelling dictionary is installed: install the package %1 "
                                "(or hunspell-xx-yy for another language).")
                                 .arg(DefaultDictionaryPackage);
        m_ui.chkSpellChecker->setEnabled(false);
        m_ui.chkSpellChecker->setToolTip(hint);
        cboSpellLanguage->setEnabled(false);
        cboSpellLanguage->setToolTip(hint);
        return;
    }

    const auto settings = OpenEditorSettings();
    const QString language =
        ChooseLanguage(m_spellChecker->dictionaries(), settings->value(LanguageKey).toString(),
                       QLocale::system().name());
    m_spellChecker->setLanguage(language);
    cboSpellLanguage->setCurrentIndex(cboSpellLanguage->findData(language));
    connect(cboSpellLanguage, &QComboBox::currentIndexChanged, this,
            &frmEditor::cboSpellLanguage_Click);
    connect(m_spellChecker, &SpellChecker::loadFailed, this, [this](const QString& message) {
        m_services.showMessage(message, MessageButtons::Ok, MessageIcon::Critical, QString());
        const QSignalBlocker quiet(m_ui.chkSpellChecker);
        m_ui.chkSpellChecker->setChecked(false);
        m_spellUnderliner->setEnabled(false);
    });

    if (settings->value(EnabledKey, false).toBool()) {
        const QSignalBlocker quiet(m_ui.chkSpellChecker);
        m_ui.chkSpellChecker->setChecked(true);
        m_spellUnderliner->setEnabled(true);
        // Once the window is up: loading a dictionary takes longer than
        // showing the window.
        QTimer::singleShot(0, m_spellChecker, &SpellChecker::prepare);
    }
}

void frmEditor::chkSpellChecker_Click() {
    const bool enabled = m_ui.chkSpellChecker->isChecked();
    OpenEditorSettings()->setValue(EnabledKey, enabled);
    if (enabled && !m_spellChecker->errorText().isEmpty()) {
        // The language's dictionary failed before: say so again.
        m_services.showMessage(m_spellChecker->errorText(), MessageButtons::Ok,
                               MessageIcon::Critical, QString());
        const QSignalBlocker quiet(m_ui.chkSpellChecker);
        m_ui.chkSpellChecker->setChecked(false);
        return;
    }
    m_spellUnderliner->setEnabled(enabled);
    if (enabled)
        m_spellChecker->prepare();
}

void frmEditor::cboSpellLanguage_Click() {
    const QString language = cboSpellLanguage->currentData().toString();
    OpenEditorSettings()->setValue(LanguageKey, language);
    m_spellChecker->setLanguage(language);
    if (m_spellUnderliner->isEnabled())
        m_spellChecker->prepare();
}

void frmEditor::mnuEditCheckSpelling_Click() {
    if (m_guard.refuses())
        return;
    // A failure while loading now is reported by the checker's own signal.
    const bool failedBefore = !m_spellChecker->errorText().isEmpty();
    if (!m_spellChecker->ensureLoaded()) {
        if (failedBefore || m_spellChecker->dictionaries().isEmpty())
            ShowOkMessage(m_spellChecker->errorText());
        return;
    }
    m_document.endTyping();
    auto* dialog = new SpellCheckDialog(
        std::make_unique<SpellWalker>(m_document, *m_spellChecker), *m_spellChecker, m_services,
        [this](const Misspelling& word) { ShowSpellingPlace(word); }, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    if (!dialog->start()) {
        delete dialog;
        m_services.showMessage(tr("The spelling check is complete: every word is known."),
                               MessageButtons::Ok, MessageIcon::Information, QString());
        return;
    }
    // A change from the dialog is not typed into the boxes of the square shown:
    // once it closes they are filled again, or the next keystroke there would
    // store the old word back.
    connect(dialog, &QDialog::finished, this, [this] { m_board->SelectSquare(CurrentSquare()); });
    dialog->setWindowModality(Qt::WindowModal);
    dialog->show();
}

void frmEditor::ShowSpellingPlace(const Misspelling& word) {
    m_board->SelectSquare(word.field.square);
    QLineEdit* box = nullptr;
    switch (word.field.part) {
    case SpellField::Part::Name:
        box = m_ui.txtCategoryName;
        break;
    case SpellField::Part::Question:
        box = m_ui.txtEnterQuestion;
        break;
    case SpellField::Part::Answer:
        box = m_ui.txtAnswer;
        break;
    case SpellField::Part::Choice:
        break; // the choices show on the preview
    }
    if (box && box->text() == word.text)
        box->setSelection(word.span.start, word.span.length);
}
