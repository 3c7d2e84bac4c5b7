#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// An installed Hunspell dictionary: "en_US" with en_US.aff and en_US.dic.
struct DictionaryInfo {
    QString language;
    QString affixPath;
    QString wordsPath;
};

// The Debian package that brings the default dictionary.
inline const QString DefaultDictionaryPackage = QStringLiteral("hunspell-en-us");

// Where dictionaries are looked for, first match winning: the folders of
// DICPATH (as the hunspell program reads it), then hunspell/, myspell/ and
// myspell/dicts/ under each XDG data folder (~/.local/share, /usr/share, ...).
QStringList DictionaryFolders();
// Replaces those folders, for tests and portable installs; an empty list
// means no dictionary at all. ResetDictionaryFolders() goes back.
void OverrideDictionaryFolders(const QStringList& folders);
void ResetDictionaryFolders();

// The dictionaries in `folders`, one per language, sorted by language.
QList<DictionaryInfo> FindDictionaries(const QStringList& folders);

// The language to start with: `preferred` when installed, else the one of
// `localeName` ("de_AT" takes de_AT, then any de_*), else en_US, else the first.
QString ChooseLanguage(const QList<DictionaryInfo>& dictionaries, const QString& preferred,
                       const QString& localeName);

// "English (US)" for "en_US"; the code itself for a language Qt does not know.
QString LanguageDisplayName(const QString& language);
