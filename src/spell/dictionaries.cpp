#include "spell/dictionaries.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QStandardPaths>

#include <algorithm>
#include <optional>

namespace {

std::optional<QStringList>& FolderOverride() {
    static std::optional<QStringList> folders;
    return folders;
}

} // namespace

QStringList DictionaryFolders() {
    if (FolderOverride())
        return *FolderOverride();
    QStringList folders;
    const QString dicPath = qEnvironmentVariable("DICPATH");
    if (!dicPath.isEmpty())
        folders += dicPath.split(QDir::listSeparator(), Qt::SkipEmptyParts);
    for (const QString& data :
         QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation)) {
        folders << data + QStringLiteral("/hunspell") << data + QStringLiteral("/myspell")
                << data + QStringLiteral("/myspell/dicts");
    }
    folders.removeDuplicates();
    return folders;
}

void OverrideDictionaryFolders(const QStringList& folders) {
    FolderOverride() = folders;
}

void ResetDictionaryFolders() {
    FolderOverride().reset();
}

QList<DictionaryInfo> FindDictionaries(const QStringList& folders) {
    QList<DictionaryInfo> found;
    QStringList languages;
    for (const QString& folder : folders) {
        const QDir dir(folder);
        const QStringList affixFiles =
            dir.entryList({QStringLiteral("*.aff")}, QDir::Files | QDir::Readable, QDir::Name);
        for (const QString& affix : affixFiles) {
            const QString language = QFileInfo(affix).completeBaseName();
            const QString words = dir.filePath(language + QStringLiteral(".dic"));
            if (languages.contains(language) || !QFileInfo(words).isReadable())
                continue;
            languages.append(language);
            found.append({language, dir.filePath(affix), words});
        }
    }
    std::sort(found.begin(), found.end(), [](const DictionaryInfo& a, const DictionaryInfo& b) {
        return a.language < b.language;
    });
    return found;
}

QString ChooseLanguage(const QList<DictionaryInfo>& dictionaries, const QString& preferred,
                       const QString& localeName) {
    if (dictionaries.isEmpty())
        return QString();
    const auto installed = [&](const QString& language) {
        for (const DictionaryInfo& dictionary : dictionaries) {
            if (dictionary.language == language)
                return true;
        }
        return false;
    };
    if (!preferred.isEmpty() && installed(preferred))
        return preferred;
    if (installed(localeName))
        return localeName;
    const QString prefix = localeName.section(QLatin1Char('_'), 0, 0) + QLatin1Char('_');
    for (const DictionaryInfo& dictionary : dictionaries) {
        if (dictionary.language.startsWith(prefix))
            return dictionary.language;
    }
    if (installed(QStringLiteral("en_US")))
        return QStringLiteral("en_US");
    return dictionaries.first().language;
}

QString LanguageDisplayName(const QString& language) {
    const QLocale locale(language);
    if (locale.language() == QLocale::C)
        return language;
    const QString name = QLocale::languageToString(locale.language());
    const QString territory = language.section(QLatin1Char('_'), 1);
    return territory.isEmpty() ? name : QStringLiteral("%1 (%2)").arg(name, territory);
}
