#include "editor/spellcheckdialog.h"

#include "services/services.h"
#include "spell/spellchecker.h"

#include <QBoxLayout>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace {

QPushButton* AddButton(QBoxLayout* column, const QString& name, const QString& text) {
    auto* button = new QPushButton(text);
    button->setObjectName(name);
    button->setAutoDefault(false);
    column->addWidget(button);
    return button;
}

} // namespace

SpellCheckDialog::SpellCheckDialog(std::unique_ptr<SpellWalker> walker, SpellChecker& checker,
                                   Services& services,
                                   std::function<void(const Misspelling&)> showPlace,
                                   QWidget* parent)
    : QDialog(parent), m_walker(std::move(walker)), m_checker(checker), m_services(services),
      m_showPlace(std::move(showPlace)), m_place(new QLabel), m_context(new QLabel),
      m_changeTo(new QLineEdit), m_suggestions(new QListWidget) {
    setObjectName(QStringLiteral("dlgCheckSpelling"));
    setWindowTitle(tr("Check Spelling"));
    m_place->setObjectName(QStringLiteral("lblSpellPlace"));
    m_context->setObjectName(QStringLiteral("lblSpellContext"));
    m_context->setTextFormat(Qt::RichText);
    m_context->setWordWrap(true);
    m_context->setMinimumWidth(360);
    m_changeTo->setObjectName(QStringLiteral("txtSpellChangeTo"));
    m_suggestions->setObjectName(QStringLiteral("lstSpellSuggestions"));
    m_suggestions->setMaximumHeight(m_suggestions->fontMetrics().height() * 6);

    auto* fields = new QFormLayout;
    fields->addRow(tr("Place:"), m_place);
    fields->addRow(tr("Not in dictionary:"), m_context);
    fields->addRow(tr("Change to:"), m_changeTo);
    fields->addRow(tr("Suggestions:"), m_suggestions);

    auto* buttons = new QVBoxLayout;
    QPushButton* changeButton = AddButton(buttons, QStringLiteral("btnSpellChange"), tr("&Change"));
    QPushButton* changeAllButton =
        AddButton(buttons, QStringLiteral("btnSpellChangeAll"), tr("Change A&ll"));
    QPushButton* ignoreButton = AddButton(buttons, QStringLiteral("btnSpellIgnore"), tr("&Ignore"));
    QPushButton* ignoreAllButton =
        AddButton(buttons, QStringLiteral("btnSpellIgnoreAll"), tr("I&gnore All"));
    QPushButton* addButton = AddButton(buttons, QStringLiteral("btnSpellAdd"), tr("&Add"));
    buttons->addStretch();
    QPushButton* closeButton = AddButton(buttons, QStringLiteral("btnSpellClose"), tr("Close"));

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(fields, 1);
    layout->addLayout(buttons);

    connect(m_suggestions, &QListWidget::currentTextChanged, m_changeTo, &QLineEdit::setText);
    connect(m_suggestions, &QListWidget::itemDoubleClicked, this, [this] { change(false); });
    connect(changeButton, &QPushButton::clicked, this, [this] { change(false); });
    connect(changeAllButton, &QPushButton::clicked, this, [this] { change(true); });
    connect(ignoreButton, &QPushButton::clicked, this, [this] {
        m_walker->skip();
        advance();
    });
    connect(ignoreAllButton, &QPushButton::clicked, this, &SpellCheckDialog::ignoreAll);
    connect(addButton, &QPushButton::clicked, this, &SpellCheckDialog::add);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
}

SpellCheckDialog::~SpellCheckDialog() = default;

QString SpellCheckDialog::PlaceText(const SpellField& field) {
    using Part = SpellField::Part;
    const QString square = field.square.isFinal() ? tr("Final Question")
                                                  : tr("Category %1").arg(field.square.category);
    switch (field.part) {
    case Part::Name:
        return tr("%1: Name").arg(square);
    case Part::Question:
    case Part::Answer:
    case Part::Choice:
        break;
    }
    const QString question = field.square.isFinal()
                                 ? square
                                 : tr("%1, Question %2").arg(square).arg(field.square.question);
    if (field.part == Part::Question)
        return tr("%1: Question").arg(question);
    if (field.part == Part::Answer)
        return tr("%1: Answer").arg(question);
    return tr("%1: Choice %2").arg(question, QChar(u'A' + field.choice - 1));
}

bool SpellCheckDialog::start() {
    m_current = m_walker->next();
    if (m_current)
        showCurrent();
    return m_current.has_value();
}

void SpellCheckDialog::showCurrent() {
    const Misspelling& word = *m_current;
    m_place->setText(PlaceText(word.field));
    const QString before = word.text.left(word.span.start).toHtmlEscaped();
    const QString after = word.text.mid(word.span.end()).toHtmlEscaped();
    m_context->setText(QStringLiteral("%1<b><font color=\"#c00000\">%2</font></b>%3")
                           .arg(before, word.word.toHtmlEscaped(), after));
    m_suggestions->clear();
    m_suggestions->addItems(m_checker.suggestions(word.word));
    if (m_suggestions->count() > 0)
        m_suggestions->setCurrentRow(0);
    else
        m_changeTo->setText(word.word);
    if (m_showPlace)
        m_showPlace(word);
}

void SpellCheckDialog::advance() {
    m_current = m_walker->next();
    if (m_current) {
        showCurrent();
        return;
    }
    m_services.showMessage(tr("The spelling check is complete."), MessageButtons::Ok,
                           MessageIcon::Information, QString());
    accept();
}

void SpellCheckDialog::change(bool everywhere) {
    const QString replacement = m_changeTo->text();
    const bool changed =
        everywhere ? m_walker->changeAll(replacement) : m_walker->change(replacement);
    if (!changed) {
        m_services.showMessage(tr("The change does not fit: %1 holds at most %2 characters.")
                                   .arg(PlaceText(m_current->field))
                                   .arg(m_current->field.width()),
                               MessageButtons::Ok, MessageIcon::Exclamation, QString());
        return;
    }
    advance();
}

void SpellCheckDialog::ignoreAll() {
    m_checker.ignore(m_current->word);
    advance();
}

void SpellCheckDialog::add() {
    QString error;
    if (!m_checker.addToPersonalWords(m_current->word, error)) {
        m_services.showMessage(error, MessageButtons::Ok, MessageIcon::Exclamation, QString());
        return;
    }
    advance();
}
