#pragma once

#include "model/mediafolders.h"

#include <QDialog>
#include <memory>
#include <optional>

class Services;

namespace Ui {
class MediaFoldersDialog;
}

// Edit -> Media Folders: the pairs of a folder on this computer and the
// same folder on the game's computer. The window saves them when the
// author presses OK.
class MediaFoldersDialog : public QDialog {
    Q_OBJECT

public:
    // `wine`: the pair of a Wine prefix's drive C:, offered while it is not in the list.
    MediaFoldersDialog(Services& services, QList<FolderPair> pairs, std::optional<FolderPair> wine,
                       QWidget* parent);
    ~MediaFoldersDialog() override;

    const QList<FolderPair>& pairs() const { return m_pairs; }

    // Asks for a folder here, then for its name on the game's computer.
    void btnAddMediaFolder_Click();
    void btnRemoveMediaFolder_Click();
    void btnAddWineFolder_Click();

private:
    void showPairs(qsizetype current);
    // Puts `pair` in the list, replacing the pair of the same folder here.
    void putPair(const FolderPair& pair);

    std::unique_ptr<Ui::MediaFoldersDialog> m_ui;
    Services& m_services;
    QList<FolderPair> m_pairs;
    std::optional<FolderPair> m_wine;
};
