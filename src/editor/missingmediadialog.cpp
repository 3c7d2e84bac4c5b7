#include "editor/missingmediadialog.h"

#include "document/gamesetdocument.h"
#include "model/gamesetcheck.h"
#include "model/mediafolders.h"
#include "services/services.h"
#include "ui_missingmediadialog.h"
#include "util/windows1252.h"

#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLocale>
#include <QPushButton>

#include <utility>

namespace {

// A search of a whole disk would take minutes: it stops after this many
// files, and asks for a smaller folder.
constexpr qint64 MostFilesSearched = 1'000'000;
// Files of the same name kept to choose from.
constexpr qsizetype MostCandidates = 64;
// The longest a slice of the search keeps the window from answering.
constexpr qint64 SliceMs = 20;

QStringList PathNames(const QString& path) {
    QString names = path;
    names.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return names.split(QLatin1Char('/'), Qt::SkipEmptyParts);
}

// How many names at the end two paths share, ignoring case:
// "C:\Quiz\Pictures\map.jpg" and "/home/ann/pictures/Map.jpg" share two.
int SharedTail(const QStringList& one, const QStringList& other) {
    int shared = 0;
    while (shared < one.size() && shared < other.size() &&
           one.at(one.size() - 1 - shared)
                   .compare(other.at(other.size() - 1 - shared), Qt::CaseInsensitive) == 0)
        ++shared;
    return shared;
}

QList<Square> AllSquares() {
    QList<Square> squares;
    for (int category = 1; category <= 6; ++category) {
        for (int question = 1; question <= 5; ++question)
            squares.append({category, question});
    }
    squares.append(Square::finalQuestion());
    return squares;
}

} // namespace

MissingMediaDialog::MissingMediaDialog(GameSetDocument& document, const MediaLocator& locator,
                                       Services& services, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::MissingMediaDialog>()), m_document(document),
      m_locator(locator), m_services(services) {
    m_ui->setupUi(this);
    QHeaderView* header = m_ui->lstMissingMedia->horizontalHeader();
    header->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    header->setSectionResizeMode(1, QHeaderView::Stretch);
    header->setSectionResizeMode(2, QHeaderView::Stretch);
    m_ui->lstMissingMedia->setTextElideMode(Qt::ElideLeft);
    connect(m_ui->btnSearchFolder, &QPushButton::clicked, this,
            &MissingMediaDialog::btnSearchFolder_Click);
    connect(m_ui->btnRelink, &QPushButton::clicked, this, &MissingMediaDialog::btnRelink_Click);
    connect(m_ui->btnsMissingMedia, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_ui->lstMissingMedia, &QTableWidget::itemChanged, this, [this] {
        bool ticked = false;
        for (int row = 0; row < m_ui->lstMissingMedia->rowCount(); ++row) {
            if (const QTableWidgetItem* item = m_ui->lstMissingMedia->item(row, 0))
                ticked = ticked || item->checkState() == Qt::Checked;
        }
        m_ui->btnRelink->setEnabled(ticked);
    });
    m_searchTimer.setInterval(0);
    connect(&m_searchTimer, &QTimer::timeout, this, &MissingMediaDialog::searchSlice);
    // Closing the dialog ends a search under way.
    connect(this, &QDialog::finished, this, [this] {
        if (m_search)
            endSearch(QString());
    });
    listMissing();
}

MissingMediaDialog::~MissingMediaDialog() = default;

void MissingMediaDialog::listMissing() {
    const QList<Missing> before = std::exchange(m_missing, {});
    const GameSet& game = m_document.game();
    for (const Square square : AllSquares()) {
        const QString path = MediaPathOfRecord(game.record(square));
        if (path.isEmpty() || !m_locator.locate(path).isEmpty())
            continue;
        QString found;
        for (const Missing& earlier : before) {
            if (earlier.square == square && earlier.stored == path)
                found = earlier.found;
        }
        m_missing.append({square, path, found});
    }
    showRows();
}

void MissingMediaDialog::showRows() {
    QTableWidget* list = m_ui->lstMissingMedia;
    const QSignalBlocker quiet(list);
    list->setRowCount(int(m_missing.size()));
    int proposals = 0;
    for (int row = 0; row < m_missing.size(); ++row) {
        const Missing& missing = m_missing.at(row);
        Finding place;
        place.square = missing.square;
        QString where = PlaceOfFinding(place);
        where[0] = where.at(0).toUpper();
        auto* whereItem = new QTableWidgetItem(where);
        auto* storedItem = new QTableWidgetItem(missing.stored);
        storedItem->setToolTip(missing.stored);
        // What the set will store, and where the file is here.
        auto* foundItem = new QTableWidgetItem(relinkPath(missing.found));
        if (!missing.found.isEmpty())
            foundItem->setToolTip(tr("Found at %1").arg(QDir::toNativeSeparators(missing.found)));
        if (!missing.found.isEmpty()) {
            ++proposals;
            whereItem->setFlags(whereItem->flags() | Qt::ItemIsUserCheckable);
            whereItem->setCheckState(Qt::Checked);
        }
        list->setItem(row, 0, whereItem);
        list->setItem(row, 1, storedItem);
        list->setItem(row, 2, foundItem);
    }
    if (m_missing.isEmpty())
        m_ui->lblMissingSummary->setText(tr("Every picture, sound and video of the set is found."));
    else
        m_ui->lblMissingSummary->setText(
            (m_missing.size() == 1 ? tr("1 file of the set cannot be found on this computer.")
                                   : tr("%1 files of the set cannot be found on this computer.")
                                         .arg(m_missing.size())) +
            tr(" Search a folder for files of the same names, then relink those ticked."));
    m_ui->btnRelink->setEnabled(proposals > 0);
    m_ui->btnSearchFolder->setEnabled(!m_missing.isEmpty() || m_search);
}

void MissingMediaDialog::btnSearchFolder_Click() {
    if (m_search) {
        endSearch(tr("Search stopped after %1 files.").arg(QLocale().toString(m_filesSeen)));
        return;
    }
    const QString start =
        m_locator.setFolder().isEmpty() ? QDir::homePath() : m_locator.setFolder();
    const QString folder =
        m_services.getExistingDirectory(tr("Search a Folder for Missing Media"), start);
    if (folder.isEmpty())
        return;
    m_searchFolder = QDir::cleanPath(QDir::fromNativeSeparators(folder));
    m_candidates.clear();
    for (const Missing& missing : std::as_const(m_missing)) {
        const QStringList names = PathNames(missing.stored);
        if (!names.isEmpty())
            m_candidates.insert(names.last().toCaseFolded(), {});
    }
    m_filesSeen = 0;
    // Hidden folders and links to folders are left out: a link can lead
    // back up the tree, and hidden folders hold no author's media.
    m_search = std::make_unique<QDirIterator>(m_searchFolder, QDir::Files | QDir::NoDotAndDotDot,
                                              QDirIterator::Subdirectories);
    m_ui->btnSearchFolder->setText(tr("&Stop Search"));
    m_ui->btnRelink->setEnabled(false);
    m_ui->lblSearchProgress->setText(
        tr("Searching %1 ...").arg(QDir::toNativeSeparators(m_searchFolder)));
    m_searchTimer.start();
}

void MissingMediaDialog::searchSlice() {
    QElapsedTimer clock;
    clock.start();
    while (m_search->hasNext()) {
        m_search->next();
        ++m_filesSeen;
        const auto wanted = m_candidates.find(m_search->fileName().toCaseFolded());
        if (wanted != m_candidates.end() && wanted->size() < MostCandidates)
            wanted->append(m_search->filePath());
        if (m_filesSeen >= MostFilesSearched) {
            endSearch(tr("Search stopped after %1 files: choose a smaller folder to search "
                         "it all.")
                          .arg(QLocale().toString(m_filesSeen)));
            return;
        }
        if ((m_filesSeen & 0xFF) == 0 && clock.elapsed() >= SliceMs) {
            m_ui->lblSearchProgress->setText(tr("Searching %1: %2 files so far ...")
                                                 .arg(QDir::toNativeSeparators(m_searchFolder),
                                                      QLocale().toString(m_filesSeen)));
            return;
        }
    }
    endSearch(QString());
}

void MissingMediaDialog::endSearch(const QString& outcome) {
    m_searchTimer.stop();
    m_search.reset();
    m_ui->btnSearchFolder->setText(tr("&Search Folder..."));
    // Of several files of the name, the one whose folders match the stored
    // path's furthest up ("Pictures\map.jpg" over "Backup\map.jpg").
    int found = 0;
    int searched = 0;
    for (Missing& missing : m_missing) {
        const QStringList names = PathNames(missing.stored);
        if (names.isEmpty())
            continue;
        ++searched;
        const QStringList files = m_candidates.value(names.last().toCaseFolded());
        int best = -1;
        for (const QString& file : files) {
            const int shared = SharedTail(names, PathNames(file));
            if (shared > best) {
                best = shared;
                missing.found = file;
            }
        }
        found += files.isEmpty() ? 0 : 1;
    }
    const QString folder = QDir::toNativeSeparators(m_searchFolder);
    m_ui->lblSearchProgress->setText(outcome.isEmpty()
                                         ? tr("Found %1 of %2 in %3 (%4 files looked at).")
                                               .arg(found)
                                               .arg(searched)
                                               .arg(folder, QLocale().toString(m_filesSeen))
                                         : outcome);
    showRows();
}

QString MissingMediaDialog::relinkPath(const QString& found) const {
    // The game's path where a media folder holds the file.
    if (found.isEmpty())
        return QString();
    return m_locator.folders().gamePath(found).value_or(QDir::toNativeSeparators(found));
}

void MissingMediaDialog::btnRelink_Click() {
    if (m_search)
        return;
    QList<QPair<Square, QString>> paths;
    QStringList refused;
    for (int row = 0; row < m_missing.size(); ++row) {
        const Missing& missing = m_missing.at(row);
        const QTableWidgetItem* item = m_ui->lstMissingMedia->item(row, 0);
        if (missing.found.isEmpty() || !item || item->checkState() != Qt::Checked)
            continue;
        const QString path = relinkPath(missing.found);
        if (path.size() > QuestionWidth || !FirstUnstorableCharacter(path).isEmpty())
            refused << path;
        else
            paths.append({missing.square, path});
    }
    m_document.relinkMedia(paths);
    m_ui->lblSearchProgress->setText(
        paths.size() == 1 ? tr("1 file relinked.") : tr("%1 files relinked.").arg(paths.size()));
    if (!refused.isEmpty())
        m_services.showMessage(tr("These files were not relinked: a game set cannot store their "
                                  "paths, which are longer than %1 characters or hold a "
                                  "character it cannot store.\r\n%2")
                                   .arg(QuestionWidth)
                                   .arg(refused.join(QStringLiteral("\r\n"))),
                               MessageButtons::Ok, MessageIcon::Exclamation, QString());
    listMissing();
}
