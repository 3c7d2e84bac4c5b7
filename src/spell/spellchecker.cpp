#include "spell/spellchecker.h"

#include "spell/dictionary.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>

namespace {

// Looked-up words kept; a board holds a few thousand different words.
constexpr qsizetype KnownWordsKept = 50000;

// The form a dictionary knows: typographic apostrophes as plain ones.
QString DictionaryForm(const QString& word) {
    if (!word.contains(QChar(0x2019)))
        return word;
    QString form = word;
    form.replace(QChar(0x2019), QLatin1Char('\''));
    return form;
}

QStringList ReadPersonalWords(const QString& path) {
    QStringList words;
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly | QIODevice::Text))
        return words;
    while (!file.atEnd()) {
        const QString word = QString::fromUtf8(file.readLine(1024)).trimmed();
        if (!word.isEmpty())
            words.append(word);
    }
    return words;
}

} // namespace

// A dictionary being loaded in another thread; the thread writes `result`
// and `error`, read only after the thread has finished.
struct SpellChecker::Loading {
    QThread* thread = nullptr;
    std::unique_ptr<Dictionary> result;
    QString error;
};

SpellChecker::SpellChecker(QList<DictionaryInfo> dictionaries, QString personalWordsPath,
                           QObject* parent)
    : QObject(parent), m_dictionaries(std::move(dictionaries)),
      m_personalWordsPath(std::move(personalWordsPath)) {
    if (!m_dictionaries.isEmpty())
        m_language = m_dictionaries.first().language;
}

SpellChecker::~SpellChecker() {
    if (m_loading)
        m_loading->thread->wait();
}

const DictionaryInfo* SpellChecker::currentInfo() const {
    for (const DictionaryInfo& info : m_dictionaries) {
        if (info.language == m_language)
            return &info;
    }
    return nullptr;
}

void SpellChecker::setLanguage(const QString& language) {
    if (language == m_language)
        return;
    const QString previous = m_language;
    m_language = language;
    if (!currentInfo()) {
        m_language = previous;
        return;
    }
    // A load of the old language is waited for and dropped: no thread
    // outlives the checker.
    if (m_loading)
        m_loading->thread->wait();
    m_loading.reset();
    m_dictionary.reset();
    m_error.clear();
    m_known.clear();
    emit wordsChanged();
}

void SpellChecker::prepare() {
    const DictionaryInfo* info = currentInfo();
    if (m_dictionary || m_loading || !m_error.isEmpty() || !info)
        return;
    auto loading = std::make_shared<Loading>();
    const DictionaryInfo copy = *info;
    loading->thread = QThread::create([loading = loading.get(), copy] {
        loading->result = Dictionary::open(copy, loading->error);
    });
    loading->thread->setParent(this);
    connect(loading->thread, &QThread::finished, this, [this, keep = loading] {
        if (m_loading == keep)
            finishLoading();
    });
    connect(loading->thread, &QThread::finished, loading->thread, &QObject::deleteLater);
    m_loading = loading;
    loading->thread->start(QThread::LowPriority);
}

bool SpellChecker::ensureLoaded() {
    if (m_dictionary)
        return true;
    if (!m_error.isEmpty())
        return false;
    prepare();
    if (!m_loading) {
        m_error = QStringLiteral("No spelling dictionary is installed. Install the package %1.")
                      .arg(DefaultDictionaryPackage);
        return false;
    }
    m_loading->thread->wait();
    finishLoading();
    return m_dictionary != nullptr;
}

void SpellChecker::finishLoading() {
    const std::shared_ptr<Loading> loading = std::move(m_loading);
    m_loading.reset();
    m_dictionary = std::move(loading->result);
    m_known.clear();
    if (!m_dictionary) {
        m_error = loading->error;
        emit loadFailed(m_error);
        return;
    }
    // Room for a board's words without growing on the way.
    m_known.reserve(16 * 1024);
    m_personalWords = ReadPersonalWords(m_personalWordsPath);
    for (const QString& word : std::as_const(m_personalWords))
        m_dictionary->add(word);
    emit wordsChanged();
}

bool SpellChecker::isKnown(const QString& word) {
    if (!m_dictionary)
        return true;
    const auto found = m_known.constFind(word);
    if (found != m_known.constEnd())
        return found.value();
    const QString form = DictionaryForm(word);
    const bool known = m_ignored.contains(form) || m_dictionary->check(form);
    if (m_known.size() >= KnownWordsKept)
        m_known.clear();
    m_known.insert(word, known);
    return known;
}

QList<TextSpan> SpellChecker::unknownWords(QStringView text) {
    QList<TextSpan> unknown;
    if (!m_dictionary)
        return unknown;
    for (const TextSpan& span : SplitWords(text)) {
        if (!isKnown(text.mid(span.start, span.length).toString()))
            unknown.append(span);
    }
    return unknown;
}

QStringList SpellChecker::suggestions(const QString& word, int limit) {
    if (!m_dictionary)
        return {};
    return m_dictionary->suggest(DictionaryForm(word), limit);
}

void SpellChecker::ignore(const QString& word) {
    m_ignored.insert(DictionaryForm(word));
    m_known.clear();
    emit wordsChanged();
}

bool SpellChecker::addToPersonalWords(const QString& word, QString& error) {
    const QString form = DictionaryForm(word);
    QDir().mkpath(QFileInfo(m_personalWordsPath).absolutePath());
    QFile file(m_personalWordsPath);
    if (!file.open(QIODevice::Append | QIODevice::Text) || file.write(form.toUtf8() + '\n') < 0 ||
        !file.flush()) {
        error = QStringLiteral("The word could not be added to your dictionary %1: %2.")
                    .arg(m_personalWordsPath, file.errorString());
        return false;
    }
    m_personalWords.append(form);
    if (m_dictionary)
        m_dictionary->add(form);
    m_known.clear();
    emit wordsChanged();
    return true;
}
