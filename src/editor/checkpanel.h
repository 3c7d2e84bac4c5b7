#pragma once

#include "document/gamesetdocument.h"
#include "model/gamesetcheck.h"

#include <QDockWidget>
#include <QTimer>
#include <array>

class QLabel;
class QPushButton;
class QTableWidget;
class QTableWidgetItem;
class frmEditor;

// "Check Game Set": the findings of the check engine on the set being
// edited, kept up to date as the author edits. Activating a finding (double
// click or Enter) selects its square and puts the cursor where it can be
// fixed.
class CheckPanel : public QDockWidget {
    Q_OBJECT

public:
    CheckPanel(frmEditor& window, GameSetDocument& document);

    // What the panel lists, names and squares in board order, then what
    // compares squares.
    const QList<Finding>& findings() const { return m_findings; }
    // "3 problems", "1 problem", "No problems".
    QString countText() const;
    // Re-checks what changed since the last update now, not at the timer.
    void updateNow();
    // Selects the finding's square and focuses the box that holds its part.
    void goTo(const Finding& finding);
    // Checks the whole set again shortly: media may have been found or lost.
    void markAll();

signals:
    void countChanged(const QString& countText);

private:
    void markChanged(Square square, DocumentPart part);
    void activated(QTableWidgetItem* item);
    void fillList();

    frmEditor& m_window;
    GameSetDocument& m_document;
    CheckProbes m_probes;
    // The last findings of each name and square; only changed ones are redone.
    std::array<QList<Finding>, 6> m_nameFindings;
    std::array<QList<Finding>, 31> m_squareFindings;
    std::array<bool, 6> m_nameStale{};
    std::array<bool, 31> m_squareStale{};
    QList<Finding> m_findings;
    bool m_counted = false; // the count has been shown once
    QTimer m_timer{this};   // a child, so that tests can wait for it
    QLabel* m_summary = nullptr;
    QTableWidget* m_list = nullptr;
    QPushButton* m_findMedia = nullptr; // shown while media findings are listed
};
