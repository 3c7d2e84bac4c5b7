// Spelling: the spell checker behind "Enable Spell Checker", its language
// chooser, and Check Spelling over the whole board.

#include "editor/spelling.h"

#include "document/gamesetdocument.h"
#include "editor/boardselection.h"
#include "editor/spellcheckdialog.h"
#include "editor/spellunderline.h"
#include "services/services.h"
#include "spell/spellchecker.h"
#include "util/editorsettings.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
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

SpellingPart::SpellingPart(QWidget& window, GameSetDocument& document, Services& services,
                           const BoardSelection& selection, const CommandGuard& guard,
                           const Controls& controls, std::function<void(Square)> showSquare)
    : QObject(&window), m_window(window), m_document(document), m_services(services),
      m_selection(selection), m_guard(guard), m_controls(controls),
      m_showSquare(std::move(showSquare)) {
    connect(m_controls.chkSpellChecker, &QCheckBox::stateChanged, this,
            &SpellingPart::chkSpellChecker_Click);
    m_spellChecker =
        new SpellChecker(FindDictionaries(DictionaryFolders()), PersonalWordsPath(), this);
    m_spellUnderliner = new SpellUnderliner(*m_spellChecker, m_document, m_services, this);
    m_spellUnderliner->attach(m_controls.txtEnterQuestion,
                              decltype(QuestionRecord::QuestionText)::width);
    m_spellUnderliner->attach(m_controls.txtAnswer,
                              decltype(QuestionRecord::Answers)::value_type::width);
    for (QLineEdit* choice : m_controls.txtEditAnswer)
        m_spellUnderliner->attach(choice, decltype(QuestionRecord::Answers)::value_type::width);
    m_spellUnderliner->attach(m_controls.txtCategoryName,
                              decltype(GameSet::CategoryNames)::value_type::width);

    // The chooser sits over the check box, under the final question's caption.
    const QRect padding = m_controls.chooserPlace->geometry();
    cboSpellLanguage = new QComboBox(m_controls.board);
    cboSpellLanguage->setObjectName(QStringLiteral("cboSpellLanguage"));
    cboSpellLanguage->setGeometry(padding.right() - 139, padding.top() - 31, 140, 27);
    cboSpellLanguage->setToolTip(tr("Spelling language"));
    cboSpellLanguage->setAccessibleName(tr("Spelling language"));
    for (const DictionaryInfo& dictionary : m_spellChecker->dictionaries())
        cboSpellLanguage->addItem(LanguageDisplayName(dictionary.language), dictionary.language);

    mnuEditCheckSpelling = new QAction(tr("Check &Spelling..."), this);
    mnuEditCheckSpelling->setObjectName(QStringLiteral("mnuEditCheckSpelling"));
    mnuEditCheckSpelling->setShortcut(Qt::Key_F7);
    m_controls.editMenu->addSeparator();
    m_controls.editMenu->addAction(mnuEditCheckSpelling);
    connect(mnuEditCheckSpelling, &QAction::triggered, this,
            &SpellingPart::mnuEditCheckSpelling_Click);

    if (m_spellChecker->dictionaries().isEmpty()) {
        const QString hint = tr("No spelling dictionary is installed: install the package %1 "
                                "(or hunspell-xx-yy for another language).")
                                 .arg(DefaultDictionaryPackage);
        m_controls.chkSpellChecker->setEnabled(false);
        m_controls.chkSpellChecker->setToolTip(hint);
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
            &SpellingPart::cboSpellLanguage_Click);
    connect(m_spellChecker, &SpellChecker::loadFailed, this, [this](const QString& message) {
        m_services.showMessage(message, MessageButtons::Ok, MessageIcon::Critical, QString());
        const QSignalBlocker quiet(m_controls.chkSpellChecker);
        m_controls.chkSpellChecker->setChecked(false);
        m_spellUnderliner->setEnabled(false);
    });

    if (settings->value(EnabledKey, false).toBool()) {
        const QSignalBlocker quiet(m_controls.chkSpellChecker);
        m_controls.chkSpellChecker->setChecked(true);
        m_spellUnderliner->setEnabled(true);
        // Once the window is up: loading a dictionary takes longer than
        // showing the window.
        QTimer::singleShot(0, m_spellChecker, &SpellChecker::prepare);
    }
}

void SpellingPart::chkSpellChecker_Click() {
    const bool enabled = m_controls.chkSpellChecker->isChecked();
    OpenEditorSettings()->setValue(EnabledKey, enabled);
    if (enabled && !m_spellChecker->errorText().isEmpty()) {
        // The language's dictionary failed before: say so again.
        m_services.showMessage(m_spellChecker->errorText(), MessageButtons::Ok,
                               MessageIcon::Critical, QString());
        const QSignalBlocker quiet(m_controls.chkSpellChecker);
        m_controls.chkSpellChecker->setChecked(false);
        return;
    }
    m_spellUnderliner->setEnabled(enabled);
    if (enabled)
        m_spellChecker->prepare();
}

void SpellingPart::cboSpellLanguage_Click() {
    const QString language = cboSpellLanguage->currentData().toString();
    OpenEditorSettings()->setValue(LanguageKey, language);
    m_spellChecker->setLanguage(language);
    if (m_spellUnderliner->isEnabled())
        m_spellChecker->prepare();
}

void SpellingPart::mnuEditCheckSpelling_Click() {
    if (m_guard.refuses())
        return;
    // A failure while loading now is reported by the checker's own signal.
    const bool failedBefore = !m_spellChecker->errorText().isEmpty();
    if (!m_spellChecker->ensureLoaded()) {
        if (failedBefore || m_spellChecker->dictionaries().isEmpty())
            m_services.showMessage(m_spellChecker->errorText(), MessageButtons::Ok,
                                   MessageIcon::None, QString());
        return;
    }
    m_document.endTyping();
    auto* dialog = new SpellCheckDialog(
        std::make_unique<SpellWalker>(m_document, *m_spellChecker), *m_spellChecker, m_services,
        [this](const Misspelling& word) { ShowSpellingPlace(word); }, &m_window);
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
    connect(dialog, &QDialog::finished, this, [this] { m_showSquare(m_selection.current()); });
    dialog->setWindowModality(Qt::WindowModal);
    dialog->show();
}

void SpellingPart::ShowSpellingPlace(const Misspelling& word) {
    m_showSquare(word.field.square);
    QLineEdit* box = nullptr;
    switch (word.field.part) {
    case SpellField::Part::Name:
        box = m_controls.txtCategoryName;
        break;
    case SpellField::Part::Question:
        box = m_controls.txtEnterQuestion;
        break;
    case SpellField::Part::Answer:
        box = m_controls.txtAnswer;
        break;
    case SpellField::Part::Choice:
        break; // the choices show on the preview
    }
    if (box && box->text() == word.text)
        box->setSelection(word.span.start, word.span.length);
}
