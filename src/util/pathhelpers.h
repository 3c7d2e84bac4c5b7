#pragma once

#include <QString>

// Path helpers for the Windows-style paths a game set stores ("C:\Quiz\a.jpg").
QString GetFileName(const QString& path);    // after the last "\"; "" without one
QString GetFolder(const QString& path);      // up to and including the last "\"; "" without one
QString StripExtension(const QString& text); // before the first "."; whole text without one

// Appends "description NUL pattern NUL" to a NUL-separated filter.
QString AddFilterItem(const QString& filter, const QString& description,
                      const QString& pattern = QStringLiteral("*.*"));

// Converts "desc|pattern|desc|pattern" or the NUL-separated form into the
// filter list QFileDialog takes ("desc (pattern1 pattern2);;...").
QString ToQtFileFilter(const QString& filter);

// True for a regular file that can be opened for reading; one trailing "\"
// is ignored. A pipe or a device never counts: opening one may wait forever.
bool FileExists(const QString& path);

// The default folder of game sets and media: "Trivia Sets" in the user's documents folder.
QString DefaultGameSetFolder();
// Where a chooser starts: the last folder (or file) used, else the default folder.
QString ChooserStartFolder(const QString& lastUsed);

// The file name and the folder (ending in its separator) of a path: cut at
// "\" when the path has one, as game sets keep Windows paths, and at "/"
// otherwise, as this platform's choosers give them.
QString FileNameOfPath(const QString& path);
QString FolderOfPath(const QString& path);
// Whether two paths name the same file (a link or a hard link included). A
// path with no file there matches only itself: QFileInfo alone would take
// any two such paths as one.
bool SameFile(const QString& one, const QString& other);

// The folder a file chooser is to start in, given the folder asked for: the
// default folder is created on its first use (the home folder when it cannot
// be); any other folder is returned as it is.
QString ReadyChooserFolder(const QString& folder);
