#pragma once

#include "spell/dictionaries.h"
#include "spell/wordsplitter.h"

#include <QHash>
#include <QObject>
#include <QSet>
#include <QStringList>

#include <memory>

class Dictionary;
class QThread;

// The spelling of the editor's texts: one language at a time out of the
// installed dictionaries, the words ignored for this session and the
// author's own word list. The dictionary is loaded on first use, in the
// background (prepare) or at once (ensureLoaded); until it is there every
// word counts as known, so nothing is marked while it loads.
class SpellChecker : public QObject {
    Q_OBJECT

public:
    // `personalWordsPath`: the author's word list, one word a line in UTF-8;
    // created when the first word is added.
    SpellChecker(QList<DictionaryInfo> dictionaries, QString personalWordsPath,
                 QObject* parent = nullptr);
    ~SpellChecker() override; // waits for a load in progress

    const QList<DictionaryInfo>& dictionaries() const { return m_dictionaries; }
    const QString& language() const { return m_language; }
    // Switches to another installed language; ignored for one not installed.
    void setLanguage(const QString& language);

    // Starts loading the language's dictionary in the background.
    void prepare();
    // Loads the dictionary now, or waits for the background load. False when
    // it cannot be used; errorText() says why.
    bool ensureLoaded();
    bool isReady() const { return m_dictionary != nullptr; }
    const QString& errorText() const { return m_error; }

    bool isKnown(const QString& word);
    // The words of `text` the dictionary does not know; none until loaded.
    QList<TextSpan> unknownWords(QStringView text);
    QStringList suggestions(const QString& word, int limit = 5);
    // Accepts `word` until the program ends.
    void ignore(const QString& word);
    // Adds `word` to the author's word list; false with `error` when the
    // list cannot be written.
    bool addToPersonalWords(const QString& word, QString& error);

signals:
    // Words once unknown may be known now, or the other way round (a
    // dictionary loaded or switched, a word ignored or added): marks shown
    // should be worked out again.
    void wordsChanged();
    // The dictionary could not be loaded; `message` says why.
    void loadFailed(const QString& message);

private:
    struct Loading;
    void finishLoading();
    const DictionaryInfo* currentInfo() const;

    QList<DictionaryInfo> m_dictionaries;
    QString m_personalWordsPath;
    QString m_language;
    std::unique_ptr<Dictionary> m_dictionary;
    std::shared_ptr<Loading> m_loading; // a background load in progress
    QString m_error;                    // why the current language cannot be used
    QSet<QString> m_ignored;
    QStringList m_personalWords;
    QHash<QString, bool> m_known; // words looked up so far
};
