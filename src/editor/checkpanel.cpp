// The "Check Game Set" panel and its command.

#include "editor/checkpanel.h"

#include "editor/frmEditor.h"
#include "preview/checkprobes.h"

#include <QHeaderView>
#include <QLabel>
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

CheckPanel::CheckPanel(frmEditor& window, GameSetDocument& document)
    : QDockWidget(&window), m_window(window), m_document(document), m_probes(PreviewCheckProbes()) {
    // Media are looked for as the window looks for them: through the media
    // folders, then beside the set.
    m_probes.locateMedia = [this](const QString& path) {
        return m_window.m_mediaCommands->LocateMedia(path);
    };
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
    connect(m_findMedia, &QPushButton::clicked, m_window.m_mediaCommands.get(),
            &MediaCommands::mnuFindMissingMedia_Click);
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

void CheckPanel::goTo(const Finding& finding) {
    m_window.GoToFinding(finding);
}

// The finding's square selected through the board's own controls, as a click
// selects it, and the cursor in the box to fix.
void frmEditor::GoToFinding(const Finding& finding) {
    if (m_guard.refuses() || !finding.square)
        return;
    const Square square = *finding.square;
    Ui::frmEditor& ui = m_ui;
    if (square.isFinal()) {
        picFinalQuestion_Click();
    } else {
        lblCategory_Click(square.category - 1);
        btnQuestion_Click(square.question - 1);
    }

    const auto shown = [](QWidget* widget) {
        return frmEditor::IsShown(widget) ? widget : nullptr;
    };
    QWidget* box = nullptr;
    switch (finding.part) {
    case CheckPart::Name:
        box = ui.txtCategoryName;
        break;
    case CheckPart::Question:
    case CheckPart::Media:
        box = shown(ui.txtEnterQuestion);
        if (!box || finding.part == CheckPart::Media)
            box = shown(ui.txtPath) ? ui.txtPath : box;
        break;
    case CheckPart::Answer:
        box = shown(ui.txtAnswer);
        break;
    case CheckPart::Choice:
        // The right letter is set in the multiple-choice box.
        if (shown(ui.btnMultipleChoice)) {
            btnMultipleChoice_Click();
            box = ui.cboABCD;
        }
        break;
    case CheckPart::Font:
        box = shown(ui.btnFont);
        break;
    case CheckPart::DailyDouble:
        box = shown(ui.chkDailyDouble);
        break;
    case CheckPart::File:
        break;
    }
    raise();
    activateWindow();
    if (box)
        box->setFocus(Qt::OtherFocusReason);
}

// ---- the command

void frmEditor::SetUpCheckPanel() {
    auto* panel = new CheckPanel(*this, m_document);
    addDockWidget(Qt::RightDockWidgetArea, panel);
    // Docked it would widen the fixed-size window; it floats beside it
    // until the author docks it.
    panel->setFloating(true);
    panel->hide();

    auto* command = new QAction(tr("Check Game Set"), this);
    command->setObjectName(QStringLiteral("mnuCheckGameSet"));
    command->setShortcut(QKeySequence(Qt::Key_F8));
    m_ui.mnuEdit->addSeparator();
    m_ui.mnuEdit->addAction(command);
    connect(command, &QAction::triggered, this, &frmEditor::mnuCheckGameSet_Click);
    connect(panel, &CheckPanel::countChanged, command, [command](const QString& count) {
        command->setText(tr("Check Game Set (%1)").arg(count.toLower()));
    });
}

void frmEditor::mnuCheckGameSet_Click() {
    if (m_guard.refuses())
        return;
    auto* panel = findChild<CheckPanel*>(QString(), Qt::FindDirectChildrenOnly);
    panel->updateNow();
    if (panel->isHidden()) {
        // Beside the window, kept on its screen.
        panel->resize(560, 420);
        QPoint place = frameGeometry().topRight() + QPoint(8, 0);
        if (const QScreen* display = screen()) {
            const QRect free = display->availableGeometry();
            place.setX(qMin(place.x(), free.right() - panel->width()));
        }
        panel->move(place);
    }
    panel->show();
    panel->raise();
    panel->activateWindow();
    panel->findChild<QTableWidget*>()->setFocus();
}
