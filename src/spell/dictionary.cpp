#include "spell/dictionary.h"

#include <QFile>
#include <QRegularExpression>

#include <hunspell.hxx>

namespace {

// Enough of a file to tell text from a damaged or binary file.
constexpr qint64 SniffSize = 64 * 1024;

// The encoding of an affix file: the value of its SET line, Hunspell's
// default when there is none. Empty when the file is not a text file.
QString AffixEncoding(QFile& file) {
    if (file.peek(SniffSize).contains('\0'))
        return QString();
    QString encoding = QStringLiteral("ISO8859-1");
    while (!file.atEnd()) {
        const QByteArray line = file.readLine(4096);
        if (line.startsWith("SET ") || line.startsWith("SET\t") ||
            line.startsWith("\xEF\xBB\xBFSET ")) {
            const QByteArray value = line.mid(line.indexOf("SET") + 4).simplified();
            encoding = QString::fromLatin1(value.split(' ').value(0));
            break;
        }
    }
    return encoding;
}

// The name Qt (ICU) knows an encoding by: Hunspell writes "ISO8859-15" and
// "microsoft-cp1251".
QByteArray QtEncodingName(const QString& encoding) {
    QString name = encoding.trimmed();
    static const QRegularExpression iso(QStringLiteral("^ISO8859-(\\d+)$"),
                                        QRegularExpression::CaseInsensitiveOption);
    name.replace(iso, QStringLiteral("ISO-8859-\\1"));
    if (name.startsWith(QLatin1String("microsoft-cp"), Qt::CaseInsensitive))
        name = QStringLiteral("windows-") + name.mid(12);
    return name.toLatin1();
}

// A words file starts with the number of words (some with a byte-order mark).
bool HasWordCount(QFile& file) {
    QByteArray first = file.readLine(256).trimmed();
    if (first.startsWith("\xEF\xBB\xBF"))
        first = first.mid(3);
    bool number = false;
    first.split('/').first().toLongLong(&number);
    return number && !file.peek(SniffSize).contains('\0');
}

} // namespace

std::unique_ptr<Dictionary> Dictionary::open(const DictionaryInfo& info, QString& error) {
    QFile affix(info.affixPath);
    QFile words(info.wordsPath);
    for (QFile* file : {&affix, &words}) {
        if (!file->open(QIODevice::ReadOnly)) {
            error = QStringLiteral("The spelling dictionary file %1 cannot be read: %2.")
                        .arg(file->fileName(), file->errorString());
            return nullptr;
        }
    }
    const QString encoding = AffixEncoding(affix);
    if (encoding.isEmpty() || !HasWordCount(words)) {
        error = QStringLiteral("The spelling dictionary %1 is damaged (%2). Reinstall its "
                               "package, or choose another language.")
                    .arg(info.language, encoding.isEmpty() ? affix.fileName() : words.fileName());
        return nullptr;
    }

    std::unique_ptr<Dictionary> dictionary(new Dictionary);
    dictionary->m_language = info.language;
    dictionary->m_encoding = encoding;
    const QByteArray codecName = QtEncodingName(encoding);
    if (codecName.compare("UTF-8", Qt::CaseInsensitive) == 0) {
        dictionary->m_codec = Codec::Utf8;
    } else if (codecName.compare("ISO-8859-1", Qt::CaseInsensitive) == 0) {
        dictionary->m_codec = Codec::Latin1;
    } else if (QStringEncoder(codecName.constData()).isValid()) {
        dictionary->m_codec = Codec::Other;
        dictionary->m_encoder = QStringEncoder(codecName.constData());
        dictionary->m_decoder = QStringDecoder(codecName.constData());
    } else {
        error = QStringLiteral("The spelling dictionary %1 uses the encoding %2, which this "
                               "editor cannot convert.")
                    .arg(info.language, encoding);
        return nullptr;
    }
    // Hunspell opens the files with fopen(): paths in the file system's encoding.
    dictionary->m_hunspell =
        std::make_unique<Hunspell>(QFile::encodeName(info.affixPath).constData(),
                                   QFile::encodeName(info.wordsPath).constData());
    return dictionary;
}

Dictionary::~Dictionary() = default;

std::optional<std::string> Dictionary::encode(const QString& word) const {
    // Most words are plain ASCII, the same bytes in every encoding Hunspell
    // reads: copied straight, they cost no allocation for a short word.
    std::string bytes(static_cast<size_t>(word.size()), '\0');
    const char16_t highest = m_codec == Codec::Latin1 ? 0xFF : 0x7F;
    bool copied = true;
    for (qsizetype i = 0; i < word.size() && copied; ++i) {
        const char16_t c = word.at(i).unicode();
        bytes[static_cast<size_t>(i)] = static_cast<char>(c);
        copied = c <= highest;
    }
    if (copied)
        return bytes;
    if (m_codec == Codec::Latin1)
        return std::nullopt;
    if (m_codec == Codec::Utf8)
        return word.toStdString();
    m_encoder.resetState();
    const QByteArray encoded = m_encoder.encode(word);
    if (m_encoder.hasError())
        return std::nullopt;
    return encoded.toStdString();
}

QString Dictionary::decode(const std::string& bytes) const {
    switch (m_codec) {
    case Codec::Utf8:
        return QString::fromStdString(bytes);
    case Codec::Latin1:
        return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
    case Codec::Other:
        break;
    }
    m_decoder.resetState();
    return m_decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

bool Dictionary::check(const QString& word) const {
    const std::optional<std::string> bytes = encode(word);
    // A letter the dictionary's character set lacks is in none of its words.
    return bytes && m_hunspell->spell(*bytes);
}

QStringList Dictionary::suggest(const QString& word, int limit) const {
    QStringList suggestions;
    const std::optional<std::string> bytes = encode(word);
    if (!bytes)
        return suggestions;
    for (const std::string& suggestion : m_hunspell->suggest(*bytes)) {
        if (suggestions.size() >= limit)
            break;
        suggestions.append(decode(suggestion));
    }
    return suggestions;
}

void Dictionary::add(const QString& word) {
    if (const std::optional<std::string> bytes = encode(word))
        m_hunspell->add(*bytes);
}
