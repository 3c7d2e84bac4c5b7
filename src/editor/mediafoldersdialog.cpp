#include "editor/mediafoldersdialog.h"

#include "services/services.h"
#include "ui_mediafoldersdialog.h"

#include <QDir>
#include <QFileInfo>
#include <QPushButton>

MediaFoldersDialog::MediaFoldersDialog(Services& services, QList<FolderPair> pairs,
                                       std::optional<FolderPair> wine, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::MediaFoldersDialog>()), m_services(services),
      m_pairs(std::move(pairs)), m_wine(std::move(wine)) {
    m_ui->setupUi(this);
    m_ui->lstMediaFolders->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    connect(m_ui->btnAddMediaFolder, &QPushButton::clicked, this,
            &MediaFoldersDialog::btnAddMediaFolder_Click);
    connect(m_ui->btnRemoveMediaFolder, &QPushButton::clicked, this,
            &MediaFoldersDialog::btnRemoveMediaFolder_Click);
    connect(m_ui->btnAddWineFolder, &QPushButton::clicked, this,
            &MediaFoldersDialog::btnAddWineFolder_Click);
    connect(m_ui->btnsMediaFolders, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_ui->btnsMediaFolders, &QDialogButtonBox::rejected, this, &QDialog::reject);
    if (m_wine)
        m_ui->btnAddWineFolder->setToolTip(tr("%1 on this computer is C:\\ on the game's computer")
                                               .arg(QDir::toNativeSeparators(m_wine->local)));
    showPairs(0);
}

MediaFoldersDialog::~MediaFoldersDialog() = default;

void MediaFoldersDialog::showPairs(qsizetype current) {
    QTableWidget* list = m_ui->lstMediaFolders;
    list->setRowCount(int(m_pairs.size()));
    for (int row = 0; row < m_pairs.size(); ++row) {
        list->setItem(row, 0,
                      new QTableWidgetItem(QDir::toNativeSeparators(m_pairs.at(row).local)));
        list->setItem(row, 1, new QTableWidgetItem(m_pairs.at(row).windows));
    }
    if (!m_pairs.isEmpty())
        list->setCurrentCell(int(qBound<qsizetype>(0, current, m_pairs.size() - 1)), 0);
    m_ui->btnRemoveMediaFolder->setEnabled(!m_pairs.isEmpty());
    const bool wineListed =
        m_wine && std::any_of(m_pairs.cbegin(), m_pairs.cend(), [this](const FolderPair& pair) {
            return pair.local == m_wine->local;
        });
    m_ui->btnAddWineFolder->setVisible(m_wine && !wineListed);
}

void MediaFoldersDialog::putPair(const FolderPair& pair) {
    qsizetype row = 0;
    while (row < m_pairs.size() && m_pairs.at(row).local != pair.local)
        ++row;
    if (row < m_pairs.size())
        m_pairs[row] = pair;
    else
        m_pairs.append(pair);
    showPairs(row);
}

void MediaFoldersDialog::btnAddMediaFolder_Click() {
    const int current = m_ui->lstMediaFolders->currentRow();
    const QString start = current >= 0 && current < m_pairs.size()
                              ? QFileInfo(m_pairs.at(current).local).path()
                              : QDir::homePath();
    const QString chosen =
        m_services.getExistingDirectory(tr("A Folder of Media on This Computer"), start);
    if (chosen.isEmpty())
        return;
    const QString local = QDir::cleanPath(QDir::fromNativeSeparators(chosen));
    // A folder already listed keeps its game's folder as the starting text.
    QString text = QStringLiteral("C:\\") + QFileInfo(local).fileName();
    for (const FolderPair& pair : std::as_const(m_pairs)) {
        if (pair.local == local)
            text = pair.windows;
    }
    for (;;) {
        const std::optional<QString> typed =
            m_services.askText(tr("The same folder on the game's computer, as Windows names it\n"
                                  "(C:\\Quiz, or \\\\server\\share\\Quiz on the network), for\n%1:")
                                   .arg(QDir::toNativeSeparators(local)),
                               text);
        if (!typed)
            return;
        const QString windows = NormalisedWindowsPath(typed->trimmed());
        if (!windows.isEmpty()) {
            putPair({local, windows});
            return;
        }
        m_services.showMessage(tr("\"%1\" is not a whole Windows folder path. Give the drive "
                                  "and every folder, as C:\\Quiz, or the server and share, as "
                                  "\\\\server\\share\\Quiz.")
                                   .arg(typed->trimmed()),
                               MessageButtons::Ok, MessageIcon::Exclamation, QString());
        text = *typed;
    }
}

void MediaFoldersDialog::btnRemoveMediaFolder_Click() {
    const int row = m_ui->lstMediaFolders->currentRow();
    if (row < 0 || row >= m_pairs.size())
        return;
    m_pairs.removeAt(row);
    showPairs(row);
}

void MediaFoldersDialog::btnAddWineFolder_Click() {
    if (m_wine)
        putPair(*m_wine);
}
