#include "editor/spellunderline.h"

#include "document/gamesetdocument.h"
#include "editor/lengthlimit.h"
#include "services/services.h"
#include "spell/spellchecker.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QTextCharFormat>

#include <algorithm>

namespace {

constexpr int SuggestionsShown = 5;

QTextCharFormat UnderlineFormat() {
    QTextCharFormat format;
    format.setUnderlineStyle(QTextCharFormat::WaveUnderline);
    format.setUnderlineColor(Qt::red);
    return format;
}

} // namespace

SpellUnderliner::SpellUnderliner(SpellChecker& checker, GameSetDocument& document,
                                 Services& services, QObject* parent)
    : QObject(parent), m_checker(checker), m_document(document), m_services(services) {
    connect(&m_checker, &SpellChecker::wordsChanged, this, &SpellUnderliner::recheckAll);
}

void SpellUnderliner::attach(QLineEdit* box, int fieldWidth) {
    m_boxes.insert(box, {fieldWidth, QString(), {}});
    box->installEventFilter(this);
    connect(box, &QLineEdit::textChanged, this, [this, box] { recheck(box); });
    connect(box, &QObject::destroyed, this, [this, box] { m_boxes.remove(box); });
}

void SpellUnderliner::setEnabled(bool enabled) {
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    recheckAll();
}

QList<TextSpan> SpellUnderliner::underlined(const QLineEdit* box) const {
    return m_boxes.value(box).unknown;
}

void SpellUnderliner::recheckAll() {
    for (auto it = m_boxes.begin(); it != m_boxes.end(); ++it)
        recheck(const_cast<QLineEdit*>(it.key()));
}

void SpellUnderliner::recheck(QLineEdit* box) {
    Box& state = m_boxes[box];
    const QString text = box->text();
    // A read-only box shows the program's own caption.
    QList<TextSpan> unknown;
    if (m_enabled && !box->isReadOnly())
        unknown = m_checker.unknownWords(text);
    const bool unchanged = state.checkedText == text && state.unknown == unknown;
    state.checkedText = text;
    if (unchanged)
        return;
    state.unknown = unknown;

    // Format positions count from the cursor; the box stores them from the
    // text's start. A read-only box takes no input method event, so it is
    // opened for the moment it takes to clear its marks.
    QList<QInputMethodEvent::Attribute> attributes;
    const QTextCharFormat format = UnderlineFormat();
    for (const TextSpan& span : unknown)
        attributes.append({QInputMethodEvent::TextFormat, span.start - box->cursorPosition(),
                           span.length, format});
    const bool readOnly = box->isReadOnly();
    box->setReadOnly(false);
    QInputMethodEvent marks(QString(), attributes);
    QCoreApplication::sendEvent(box, &marks);
    box->setReadOnly(readOnly);
}

bool SpellUnderliner::eventFilter(QObject* watched, QEvent* event) {
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (!box || !m_boxes.contains(box))
        return false;
    if (event->type() == QEvent::Paint) {
        // Text set with the box's signals blocked went by unchecked.
        if (m_boxes.value(box).checkedText != box->text())
            recheck(box);
    } else if (event->type() == QEvent::ContextMenu) {
        const auto* request = static_cast<QContextMenuEvent*>(event);
        // The menu belongs to the box, which may go while the menu is open.
        const QPointer<QMenu> menu = contextMenu(box, request->pos()).release();
        menu->exec(request->globalPos());
        delete menu;
        return true;
    }
    return false;
}

int SpellUnderliner::room(const QLineEdit* box) const {
    int limit = m_boxes.value(box).fieldWidth;
    if (const auto* typing = qobject_cast<const LengthLimit*>(box->validator()))
        limit = typing->limit();
    // A longer text the program put into the box may stay as long.
    return std::max(limit, static_cast<int>(box->text().size()));
}

std::unique_ptr<QMenu> SpellUnderliner::contextMenu(QLineEdit* box, const QPoint& position) {
    std::unique_ptr<QMenu> menu(box->createStandardContextMenu());
    const int at = box->cursorPositionAt(position);
    const QList<TextSpan> unknown = m_boxes.value(box).unknown;
    const auto span = std::find_if(unknown.begin(), unknown.end(), [at](const TextSpan& word) {
        return word.start <= at && at <= word.end();
    });
    if (!m_enabled || span == unknown.end())
        return menu;

    const TextSpan found = *span;
    const QString word = box->text().mid(found.start, found.length);
    QAction* standard = menu->actions().value(0);
    QList<QAction*> added;
    QPointer<QLineEdit> target(box);
    const QStringList suggestions = m_checker.suggestions(word, SuggestionsShown);
    for (const QString& suggestion : suggestions) {
        auto* action = new QAction(suggestion, menu.get());
        QFont font = action->font();
        font.setBold(true);
        action->setFont(font);
        // A suggestion that would make the text too long is shown, not offered.
        const int length = static_cast<int>(box->text().size() - word.size() + suggestion.size());
        action->setEnabled(length <= room(box));
        connect(action, &QAction::triggered, this, [this, target, found, word, suggestion] {
            if (target)
                replaceWord(target, found, word, suggestion);
        });
        added.append(action);
    }
    if (suggestions.isEmpty()) {
        auto* none = new QAction(tr("(no suggestions)"), menu.get());
        none->setEnabled(false);
        added.append(none);
    }
    auto* ignore = new QAction(tr("Ignore"), menu.get());
    ignore->setObjectName(QStringLiteral("actSpellIgnore"));
    connect(ignore, &QAction::triggered, this, [this, word] { m_checker.ignore(word); });
    auto* add = new QAction(tr("Add to Dictionary"), menu.get());
    add->setObjectName(QStringLiteral("actSpellAdd"));
    connect(add, &QAction::triggered, this, [this, word] {
        QString error;
        if (!m_checker.addToPersonalWords(word, error))
            m_services.showMessage(error, MessageButtons::Ok, MessageIcon::Exclamation, QString());
    });
    const auto separator = [&menu] {
        auto* line = new QAction(menu.get());
        line->setSeparator(true);
        return line;
    };
    added << separator() << ignore << add << separator();
    menu->insertActions(standard, added);
    return menu;
}

void SpellUnderliner::replaceWord(QLineEdit* box, TextSpan span, const QString& word,
                                  const QString& replacement) {
    QString text = box->text();
    if (QStringView(text).mid(span.start, span.length) != word)
        return; // the text changed while the menu was open
    text.replace(span.start, span.length, replacement);
    // The box's change handler stores the text; the replacement is a step
    // of its own, not part of the typing around it.
    m_document.endTyping();
    box->setText(text);
    box->setCursorPosition(span.start + static_cast<int>(replacement.size()));
    m_document.endTyping();
}
