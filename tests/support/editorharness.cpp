#include "editorharness.h"

#include "app/startup.h"
#include "editor/clickablelabel.h"
#include "model/gamesetfile.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QTest>

EditorHarness::EditorHarness(const QMap<QString, QString>& settings, const QString& startFile) {
    for (auto it = settings.begin(); it != settings.end(); ++it)
        services.setSetting(it.key(), it.value());
    window = StartEditor(document, services, startFile);
    window->activateWindow();
    if (!QTest::qWaitForWindowExposed(window.get()))
        qWarning("EditorHarness: the window was not exposed");
}

EditorHarness::~EditorHarness() = default;

QLineEdit* EditorHarness::lineEdit(const QString& name) const {
    return find<QLineEdit>(name);
}

QLabel* EditorHarness::label(const QString& name) const {
    return find<QLabel>(name);
}

QCheckBox* EditorHarness::checkBox(const QString& name) const {
    return find<QCheckBox>(name);
}

QAction* EditorHarness::action(const QString& name) const {
    QAction* command = find<QAction>(name);
    // A command no menu or toolbar offers is one the author cannot give.
    if (command && command->associatedObjects().isEmpty())
        qFatal("EditorHarness: the command %s is on no menu or toolbar", qPrintable(name));
    return command;
}

void EditorHarness::click(const QString& name) {
    QWidget* widget = find<QWidget>(name);
    if (!widget) {
        if (QAction* command = action(name)) {
            command->trigger();
            return;
        }
        qFatal("EditorHarness: no control named %s", qPrintable(name));
    }
    if (auto* box = qobject_cast<QCheckBox*>(widget)) {
        // A check box toggles on a click anywhere on it.
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->height() / 2, box->height() / 2));
        return;
    }
    QTest::mouseClick(widget, Qt::LeftButton);
}

void EditorHarness::type(const QString& name, const QString& text) {
    QLineEdit* edit = lineEdit(name);
    if (!edit)
        qFatal("EditorHarness: no text box named %s", qPrintable(name));
    edit->setFocus();
    edit->selectAll();
    if (text.isEmpty())
        QTest::keyClick(edit, Qt::Key_Delete);
    else
        QTest::keyClicks(edit, text);
}

void EditorHarness::leave(const QString& name) {
    QWidget* widget = find<QWidget>(name);
    if (!widget)
        qFatal("EditorHarness: no control named %s", qPrintable(name));
    QFocusEvent focusOut(QEvent::FocusOut, Qt::TabFocusReason);
    QCoreApplication::sendEvent(widget, &focusOut);
}

void EditorHarness::select(int category, int question) {
    if (category == 7) {
        click(u"picFinalQuestion"_s);
        return;
    }
    click(u"lblCategory_%1"_s.arg(category - 1));
    click(u"btnQuestion_%1"_s.arg(question - 1));
}

QByteArray EditorHarness::savedBytes() const {
    GameSet copy = document.game();
    return WriteGameSet(copy);
}

quint32 SquareColour(const EditorHarness& editor, int category, int index) {
    const auto* square = editor.find<ClickableLabel>(u"lblCat%1_%2"_s.arg(category).arg(index));
    if (!square)
        qFatal("no map square %d/%d", category, index);
    return square->backColor();
}

QString WriteGameSetFile(GameSet game, const QString& folder, const QString& name) {
    const QString path = QDir(folder).filePath(name);
    const FileError error = SaveFile(game, path);
    if (error.failed())
        qFatal("could not write %s: %s", qPrintable(path), qPrintable(error.description));
    return path;
}
