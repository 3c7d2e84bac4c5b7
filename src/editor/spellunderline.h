#pragma once

#include "spell/wordsplitter.h"

#include <QHash>
#include <QObject>
#include <QString>

#include <memory>

class GameSetDocument;
class QLineEdit;
class QMenu;
class QPoint;
class Services;
class SpellChecker;

// Marks the unknown words of text boxes with a red wavy underline while
// enabled, and offers suggestions for them on a right-click. The marks are
// handed to the box as an input method's text formats, so the box draws
// them itself, in its own font, wherever it has scrolled to; the text,
// the cursor and the box's undo are left alone.
class SpellUnderliner : public QObject {
    Q_OBJECT

public:
    SpellUnderliner(SpellChecker& checker, GameSetDocument& document, Services& services,
                    QObject* parent = nullptr);

    // Checks `box`; `fieldWidth` is how much of its text the record keeps,
    // used unless the box limits typing itself.
    void attach(QLineEdit* box, int fieldWidth);
    void setEnabled(bool enabled);
    bool isEnabled() const { return m_enabled; }

    // The words underlined in `box` now.
    QList<TextSpan> underlined(const QLineEdit* box) const;
    // The box's context menu for a right-click at `position`: on an
    // underlined word, up to five suggestions, "Ignore" and "Add to
    // Dictionary" come before the standard entries.
    std::unique_ptr<QMenu> contextMenu(QLineEdit* box, const QPoint& position);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Box {
        int fieldWidth = 0;
        QString checkedText;
        QList<TextSpan> unknown;
    };
    void recheck(QLineEdit* box);
    void recheckAll();
    // The most characters the box may hold after a replacement.
    int room(const QLineEdit* box) const;
    void replaceWord(QLineEdit* box, TextSpan span, const QString& word,
                     const QString& replacement);

    SpellChecker& m_checker;
    GameSetDocument& m_document;
    Services& m_services;
    QHash<const QLineEdit*, Box> m_boxes;
    bool m_enabled = false;
};
