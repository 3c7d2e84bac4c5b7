#pragma once

#include "spell/dictionaries.h"

#include <QStringConverter>
#include <QStringList>

#include <memory>
#include <optional>
#include <string>

class Hunspell;

// One loaded Hunspell dictionary. Hunspell takes and gives words in the
// dictionary's own encoding (the .aff file's SET line); this class speaks
// QString and converts both ways. Not thread-safe: use it from one thread.
class Dictionary {
public:
    // Loads `info`; nullptr with `error` set when a file cannot be read, is
    // damaged, or uses an encoding Qt cannot convert.
    static std::unique_ptr<Dictionary> open(const DictionaryInfo& info, QString& error);
    ~Dictionary();

    const QString& language() const { return m_language; }
    // The encoding as the SET line names it, "ISO8859-1" when there is none.
    const QString& encoding() const { return m_encoding; }

    bool check(const QString& word) const;
    // Hunspell's suggestions, best first, at most `limit` of them.
    QStringList suggest(const QString& word, int limit) const;
    // Accepts `word` from now on, in this dictionary only.
    void add(const QString& word);

private:
    Dictionary() = default;
    // nullopt when the word has a character the encoding does not have.
    std::optional<std::string> encode(const QString& word) const;
    QString decode(const std::string& bytes) const;

    enum class Codec { Utf8, Latin1, Other };
    std::unique_ptr<Hunspell> m_hunspell;
    QString m_language;
    QString m_encoding;
    Codec m_codec = Codec::Latin1;
    // For Codec::Other; reset before each word.
    mutable QStringEncoder m_encoder;
    mutable QStringDecoder m_decoder;
};
