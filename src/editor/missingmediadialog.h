#pragma once

#include "model/gameset.h"
#include "model/mediakind.h"

#include <QDialog>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QHash>
#include <QTimer>
#include <memory>

class GameSetDocument;
class MediaLocator;
class Services;

namespace Ui {
class MissingMediaDialog;
}

// File -> Find Missing Media: every medium of the set that cannot be found
// here, a search of a folder for files of the same names, and Relink, which
// stores the files found as one undoable step.
class MissingMediaDialog : public QDialog {
    Q_OBJECT

public:
    MissingMediaDialog(GameSetDocument& document, const MediaLocator& locator, Services& services,
                       QWidget* parent);
    ~MissingMediaDialog() override;

    // Lists what cannot be found now; proposals of an earlier search stay.
    void listMissing();
    // Chooses a folder and searches it and its subfolders, a slice at a
    // time so the window stays responsive; clicked during a search, stops it.
    void btnSearchFolder_Click();
    // The ticked rows' files become their questions' media.
    void btnRelink_Click();
    bool isSearching() const { return m_search != nullptr; }

private:
    struct Missing {
        Square square;
        QString stored; // as the set holds it
        QString found;  // the file proposed on this computer; "" for none
    };

    void searchSlice();
    void endSearch(const QString& outcome);
    void showRows();
    // What the set stores for a file found here; "" for none.
    QString relinkPath(const QString& found) const;

    std::unique_ptr<Ui::MissingMediaDialog> m_ui;
    GameSetDocument& m_document;
    const MediaLocator& m_locator;
    Services& m_services;
    QList<Missing> m_missing;

    // The search under way.
    std::unique_ptr<QDirIterator> m_search;
    QString m_searchFolder;
    QTimer m_searchTimer;
    QHash<QString, QStringList> m_candidates; // case-folded file name -> files found
    qint64 m_filesSeen = 0;
};
