// The "Check Game Set" panel and its command.

#include "editor/checkpanel.h"

#include "editor/boardselection.h"
#include "preview/checkprobes.h"

#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int FinalIndex = 30;

int IndexOf(Square square) {
    return square.isFinal() ? FinalIndex : (square.category - 1) * 5 + square.question - 1;
}

Square SquareAt(int index) {
    return index == FinalIndex ? Square::finalQuestion() : Square{index / 5 + 1, index % 5 + 1};
}

} // namespace

CheckPanel::CheckPanel(QMainWindow& window, GameSetDocument& document, const CommandGuard& guard,
                       QMenu* editMenu, Hooks hooks)
    : QDockWidget(&window), m_window(window), m_document(document), m_guard(guard),
      m_hooks(std::move(hooks)), m_probes(PreviewCheckProbes()) {
    // Media are looked for as the window looks for them: through the media
    // folders, then beside the set.
    m_probes.locateMedia = m_hooks.locateMedia;
    setObjectName(QStringLiteral("dckCheckGameSet"));
    setWindowTitle(tr("Check Game Set"));
    auto* content = new QWidget(this);
    auto* layout = new QVBoxLayout(content);
    m_summary = new QLabel(content);
    m_summary->setObjectName(QStringLiteral("lblCheckSummary"));
    m_list = new QTableWidget(0, 2, content);
    m_list->setObjectName(QStringLiteral("lstCheckFindings"));
    m_list->setHorizontalHeaderLabels({tr("Where"), tr("Problem")});
    m_list->verticalHeader()->hide();
    m_list->setShowGrid(false);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    m_list->horizontalHeader()->setStretchLastSection(true);
    // Long messages wrap in their column; rows grow to hold them.
    m_list->setWordWrap(true);
    connect(m_list->horizontalHeader(), &QHeaderView::sectionResized, m_list,
            &QTableWidget::resizeRowsToContents);
    // Media the check cannot find are looked for together, not square by square.
    m_findMedia = new QPushButton(tr("Find Missing Media..."), content);
    m_findMedia->setObjectName(QStringLiteral("btnCheckFindMissingMedia"));
    m_findMedia->hide();
    connect(m_findMedia, &QPushButton::clicked, this, &CheckPanel::findMissingMediaRequested);
    auto* top = new QHBoxLayout;
    top->addWidget(m_summary, 1);
    top->addWidget(m_findMedia);
    layout->addLayout(top);
    layout->addWidget(m_list);
    setWidget(content);

    // Typing changes the set at every keystroke, a command may change every
    // square: what changes within a tenth of a second is checked once.
    m_timer.setSingleShot(true);
    m_timer.setInterval(100);
    connect(&m_timer, &QTimer::timeout, this, &CheckPanel::updateNow);
    connect(&m_document, &GameSetDocument::changed, this, &CheckPanel::markChanged);
    connect(&m_document, &GameSetDocument::reset, this, &CheckPanel::markAll);
    // Enter and a double click both activate an item.
    connect(m_list, &QTableWidget::itemActivated, this, &CheckPanel::activated);
    markAll();

    window.addDockWidget(Qt::RightDockWidgetArea, this);
    hide();

    auto* command = new QAction(tr("Check Game Set"), this);
    command->setObjectName(QStringLiteral("mnuCheckGameSet"));
    command->setShortcut(QKeySequence(Qt::Key_F8));
    editMenu->addSeparator();
    editMenu->addAction(command);
    connect(command, &QAction::triggered, this, &CheckPanel::mnuCheckGameSet_Click);
    connect(this, &CheckPanel::countChanged, command, [command](const QString& count) {
        command->setText(tr("Check Game Set (%1)").arg(count.toLower()));
    });
}

QString CheckPanel::countText() const {
    if (m_findings.isEmpty())
        return tr("No problems");
    return m_findings.size() == 1 ? tr("1 problem") : tr("%1 problems").arg(m_findings.size());
}

void CheckPanel::markChanged(Square square, DocumentPart part) {
    if (part == DocumentPart::Board) {
        markAll();
        return;
    }
    if (part == DocumentPart::Name)
        m_nameStale[static_cast<size_t>(square.category - 1)] = true;
    else
        m_squareStale[static_cast<size_t>(IndexOf(square))] = true;
    if (!m_timer.isActive())
        m_timer.start();
}

void CheckPanel::markAll() {
    m_nameStale.fill(true);
    m_squareStale.fill(true);
    if (!m_timer.isActive())
        m_timer.start();
}

void CheckPanel::updateNow() {
    m_timer.stop();
    const GameSet& game = m_document.game();
    for (int category = 1; category <= 6; ++category) {
        const auto index = static_cast<size_t>(category - 1);
        if (m_nameStale[index])
            m_nameFindings[index] = CheckCategoryName(game, category);
        m_nameStale[index] = false;
    }
    for (int index = 0; index <= FinalIndex; ++index) {
        const auto slot = static_cast<size_t>(index);
        if (m_squareStale[slot])
            m_squareFindings[slot] = CheckSquare(game, SquareAt(index), m_probes);
        m_squareStale[slot] = false;
    }
    QList<Finding> findings;
    for (const QList<Finding>& name : m_nameFindings)
        findings << name;
    for (const QList<Finding>& square : m_squareFindings)
        findings << square;
    // Cheap enough to redo whole: one pass over the question texts and marks.
    findings << CheckAcrossBoard(game);
    if (m_counted && findings == m_findings)
        return;
    m_counted = true;
    m_findings = findings;
    fillList();
    const QString count = countText();
    m_summary->setText(count);
    setWindowTitle(tr("Check Game Set - %1").arg(count));
    emit countChanged(count);
}

void CheckPanel::fillList() {
    const int current = m_list->currentRow();
    m_list->clearContents();
    m_list->setRowCount(int(m_findings.size()));
    for (int row = 0; row < m_findings.size(); ++row) {
        const Finding& finding = m_findings.at(row);
        QString place = PlaceOfFinding(finding);
        place[0] = place.at(0).toUpper();
        auto* where = new QTableWidgetItem(place);
        where->setIcon(style()->standardIcon(finding.severity == Severity::Error
                                                 ? QStyle::SP_MessageBoxCritical
                                                 : QStyle::SP_MessageBoxWarning));
        m_list->setItem(row, 0, where);
        m_list->setItem(row, 1, new QTableWidgetItem(finding.message));
    }
    m_list->resizeRowsToContents();
    m_findMedia->setVisible(
        std::any_of(m_findings.cbegin(), m_findings.cend(),
                    [](const Finding& finding) { return finding.part == CheckPart::Media; }));
    if (!m_findings.isEmpty())
        m_list->setCurrentCell(qBound(0, current, int(m_findings.size()) - 1), 0);
}

void CheckPanel::activated(QTableWidgetItem* item) {
    if (item && item->row() < m_findings.size())
        goTo(m_findings.at(item->row()));
}

// The finding's square selected as a click selects it, and the cursor in
// the box to fix.
void CheckPanel::goTo(const Finding& finding) {
    if (m_guard.refuses() || !finding.square)
        return;
    m_hooks.showSquare(*finding.square);
    m_hooks.focusPart(finding.part);
}

void CheckPanel::mnuCheckGameSet_Click() {
    if (m_guard.refuses())
        return;
    updateNow();
    if (isHidden()) {
        // Docked it would widen the fixed-size window: the first time it
        // floats beside it, until the author docks it. A floating window made
        // at start-up would cost every start a native window.
        if (!m_opened)
            setFloating(true);
        m_opened = true;
        // Beside the window, kept on its screen.
        resize(560, 420);
        QPoint place = m_window.frameGeometry().topRight() + QPoint(8, 0);
        if (const QScreen* display = m_window.screen()) {
            const QRect free = display->availableGeometry();
            place.setX(qMin(place.x(), free.right() - width()));
        }
        move(place);
    }
    show();
    raise();
    activateWindow();
    m_list->setFocus();
}
