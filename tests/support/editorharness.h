#pragma once

#include "editor/frmEditor.h"
#include "scriptedservices.h"

#include <QApplication>
#include <QMap>
#include <QString>
#include <memory>

using namespace Qt::StringLiterals;

class QAbstractButton;
class QCheckBox;
class QLineEdit;

// The real window on scripted services, started as the program starts it;
// controls are found by their object names.
class EditorHarness {
public:
    // Settings the game would have written, and a game set named on the command line.
    explicit EditorHarness(const QMap<QString, QString>& settings = {},
                           const QString& startFile = QString());
    ~EditorHarness();

    GameSetDocument document;
    ScriptedServices services;
    std::unique_ptr<frmEditor> window;

    // In the window, or in a window of its own (as the Revision window is).
    template <class T> T* find(const QString& name) const {
        // A modal dialog's own control first: it is the one in front.
        if (QWidget* modal = QApplication::activeModalWidget(); modal && modal->findChild<T*>(name))
            return modal->findChild<T*>(name);
        if (T* inWindow = window->findChild<T*>(name))
            return inWindow;
        for (QWidget* other : QApplication::topLevelWidgets()) {
            if (T* found = other->objectName() == name ? qobject_cast<T*>(other)
                                                       : other->findChild<T*>(name))
                return found;
        }
        return nullptr;
    }
    QLineEdit* lineEdit(const QString& name) const;
    QLabel* label(const QString& name) const;
    QCheckBox* checkBox(const QString& name) const;
    QAction* action(const QString& name) const;

    // Mouse clicks as the user makes them.
    void click(const QString& name);
    // Replaces a text box's text by typing (the box takes the focus first).
    void type(const QString& name, const QString& text);
    // Moves the focus away from the widget that has it.
    void leave(const QString& name);

    // The selected board square as (category, question).
    QPair<int, int> selection() const {
        return {window->m_selection.category(), window->m_selection.question()};
    }

    // Selects board question (1..6, 1..5) by its category and button; category 7 is the final.
    void select(int category, int question = 1);
    // The record of a square (category 7 is the final question).
    const QuestionRecord& record(int category, int question = 1) const {
        return document.game().question(category, question);
    }
    // The bytes a save of the set writes.
    QByteArray savedBytes() const;
};

// A square's colour on the Daily Double map, 0x00BBGGRR.
quint32 SquareColour(const EditorHarness& editor, int category, int index);

// Writes a game set to a file in `folder` and returns its path.
QString WriteGameSetFile(GameSet game, const QString& folder, const QString& name);
