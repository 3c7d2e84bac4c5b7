#pragma once

#include "document/gamesetdocument.h"
#include "model/gamesetcheck.h"

#include <QDockWidget>
#include <QTimer>
#include <array>
#include <functional>

class CommandGuard;
class QAction;
class QLabel;
class QMainWindow;
class QMenu;
class QPushButton;
class QTableWidget;
class QTableWidgetItem;

// "Check Game Set": the findings of the check engine on the set being
// edited, kept up to date as the author edits. Activating a finding (double
// click or Enter) selects its square and puts the cursor where it can be
// fixed.
class CheckPanel : public QDockWidget {
    Q_OBJECT

public:
    // What the panel asks of the window.
    struct Hooks {
        // The file on this computer a stored media path names, "" when there
        // is none: the check looks for media as the window does.
        std::function<QString(const QString& storedPath)> locateMedia;
        // Selects the square as a click on the board selects it.
        std::function<void(Square square)> showSquare;
        // Brings the window up with the cursor in the box that holds `part`
        // of the square shown (the multiple-choice box opened for a choice).
        std::function<void(CheckPart part)> focusPart;
    };

    // Docks itself in `window`, floating and hidden, and puts its command,
    // mnuCheckGameSet, at the end of `editMenu`.
    CheckPanel(QMainWindow& window, GameSetDocument& document, const CommandGuard& guard,
               QMenu* editMenu, Hooks hooks);

    // Shows the panel beside the window, checked up to now.
    void mnuCheckGameSet_Click();

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
    // "Find Missing Media..." under the count: what File -> Find Missing Media does.
    void findMissingMediaRequested();

private:
    void markChanged(Square square, DocumentPart part);
    void activated(QTableWidgetItem* item);
    void fillList();

    QMainWindow& m_window;
    GameSetDocument& m_document;
    const CommandGuard& m_guard;
    Hooks m_hooks;
    bool m_opened = false;
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
