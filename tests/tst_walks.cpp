// Walks through the real window as an author does. Each tests/walks/*.walk file
// lists steps ("> click btnNext") and, under each, what the step changed: in
// the window's controls, in the saved file's lines, and what the author was
// told or asked. tests/walks/README.md lists the steps. Run with
// QZ_UPDATE_WALKS=1 to rewrite the files from a run; read the diff before
// committing it.
#include "editor/spelling.h"
#include "editorharness.h"
#include "testdata.h"

#include "spell/dictionaries.h"
#include "spell/spellchecker.h"

#include "util/editorsettings.h"
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QDropEvent>
#include <QImage>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QSet>

#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

using State = QMap<QString, QString>;
const QString Source = QStringLiteral(QZ_SOURCE_DIR);

// The sets a walk opens ($SRC), copied for this run: walks run side by side,
// and an editor marks the set it has open for the others.
QString SetsCopy() {
    static QTemporaryDir copy;
    if (!QDir(copy.filePath(u"examples"_s)).exists()) {
        for (const QString& folder : {u"examples"_s, u"tests/data"_s}) {
            QDir(copy.path()).mkpath(folder);
            for (const QFileInfo& file : QDir(Source + u'/' + folder).entryInfoList(QDir::Files))
                QFile::copy(file.filePath(), copy.filePath(folder + u'/' + file.fileName()));
        }
    }
    return copy.path();
}

// "\r", "\n" and "\t" in a step stand for a line break's parts and a tab.
QString Unescaped(QString text) {
    return text.replace(u"\\r"_s, u"\r"_s).replace(u"\\n"_s, u"\n"_s).replace(u"\\t"_s, u"\t"_s);
}

QString Quoted(QString text) {
    return u'"' + text.replace(u'\r', u"\\r"_s).replace(u'\n', u"\\n"_s) + u'"';
}

// The title as the window manager shows it: "[*]" is the unsaved-changes mark.
QString ShownTitle(const QWidget* window) {
    QString title = window->windowTitle();
    title.replace(u"[*][*]"_s, QChar(0xFFFC));
    title.replace(u"[*]"_s, window->isWindowModified() ? u"*"_s : QString());
    return title.replace(QChar(0xFFFC), u"[*]"_s);
}

QString Yes(bool value) {
    return value ? u"yes"_s : u"no"_s;
}

// A control as the author sees it; with `look`, how it looks too: colours,
// font, where code places it, and whether it shows a picture.
void AddControl(State& state, const QString& name, const QWidget* widget, bool look) {
    const auto put = [&](const QString& property, const QString& value) {
        state.insert(name + u'.' + property, value);
    };
    put(u"shown"_s, Yes(!widget->isHidden()));
    // A control's own settings: what it takes from a disabled parent follows from the parent's.
    const bool disabled = widget->testAttribute(Qt::WA_ForceDisabled);
    put(u"enabled"_s, Yes(!disabled));
    if (look) {
        // Colours an author changes: the Daily Double squares and the question's own colour.
        if (name.startsWith(u"lblCat"_s) || name == u"lblDisPlayQuestion"_s) {
            const QPalette::ColorGroup group = disabled ? QPalette::Disabled : QPalette::Active;
            put(u"colours"_s, widget->palette().color(group, widget->foregroundRole()).name() +
                                  u" on "_s +
                                  widget->palette().color(group, widget->backgroundRole()).name());
        }
        const QFont font = widget->font();
        // The preview's fitted size follows the metrics of the fonts the build installs.
        put(u"font"_s, font.family() + u' ' + QString::number(font.pointSize()) +
                           (font.bold() ? u" bold"_s : QString()) +
                           (font.italic() ? u" italic"_s : QString()));
        if (!widget->isWindow() && !widget->parentWidget()->layout()) {
            const QRect box = widget->geometry();
            put(u"box"_s,
                u"%1,%2 %3x%4"_s.arg(box.x()).arg(box.y()).arg(box.width()).arg(box.height()));
        }
        if (const auto* label = qobject_cast<const QLabel*>(widget))
            put(u"picture"_s, Yes(!label->pixmap().isNull()));
    }
    if (widget->isWindow())
        put(u"title"_s, Quoted(ShownTitle(widget)));
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        put(u"text"_s, Quoted(label->text()));
    } else if (const auto* edit = qobject_cast<const QLineEdit*>(widget)) {
        put(u"text"_s, Quoted(edit->text()));
        put(u"readOnly"_s, Yes(edit->isReadOnly()));
        put(u"selected"_s, Quoted(edit->selectedText()));
    } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        put(u"text"_s, Quoted(button->text()));
        if (button->isCheckable())
            put(u"checked"_s, Yes(button->isChecked()));
    } else if (const auto* list = qobject_cast<const QComboBox*>(widget)) {
        put(u"text"_s, Quoted(list->currentText()));
    } else if (const auto* view = qobject_cast<const QAbstractItemView*>(widget)) {
        // Rows by their text, so that a row more or less is a line of change, not a
        // shift; only the current row says where it stands.
        const QAbstractItemModel* rows = view->model();
        for (int row = 0; row < rows->rowCount(); ++row) {
            QStringList cells;
            for (int column = 0; column < rows->columnCount(); ++column)
                cells << rows->index(row, column).data().toString();
            put(Quoted(cells.join(u" | "_s)),
                view->currentIndex().row() == row ? u"row %1 current"_s.arg(row + 1) : u"row"_s);
        }
    }
}

// The window's controls and commands. "Exists NAME" names the window a control
// is in; "View NAME" says whether the author sees it ("yes") or only sees it
// hidden ("hidden"): a control inside a hidden one is not seen at all. Menus
// show their commands, which are listed apart.
State Controls(QWidget* window, bool look) {
    State state;
    QMap<QString, int> seen;
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    for (const QWidget* widget : widgets) {
        const QString name = widget->objectName();
        // The preview's hidden twin only measures it.
        if (name.isEmpty() || name.startsWith(u"qt_"_s) || name == u"lblQuestionAutoResize"_s ||
            qobject_cast<const QMenu*>(widget))
            continue;
        const QString key = name + (seen[name]++ ? u"#%1"_s.arg(seen[name]) : QString());
        AddControl(state, key, widget, look);
        state.insert(u"Exists "_s + key, widget->window()->objectName());
        if (widget == window || widget->isVisibleTo(window))
            state.insert(u"View "_s + key, u"yes"_s);
        else if (widget->parentWidget() == window || widget->parentWidget()->isVisibleTo(window))
            state.insert(u"View "_s + key, u"hidden"_s);
    }
    for (const QAction* command : window->findChildren<QAction*>()) {
        const QString name = command->objectName();
        if (name.isEmpty() || name.startsWith(u"qt_"_s))
            continue;
        state.insert(name + u".shown"_s, Yes(command->isVisible()));
        state.insert(name + u".text"_s, Quoted(command->text()));
        state.insert(name + u".enabled"_s, Yes(command->isEnabled()));
        if (command->isCheckable())
            state.insert(name + u".checked"_s, Yes(command->isChecked()));
    }
    return state;
}

// What the author can see of the window and of the set, keyed so that the
// set's own lines sort first.
State Snapshot(const EditorHarness& editor, bool look) {
    State state = Controls(editor.window.get(), look);
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->parentWidget() && window != editor.window.get() && window->isVisible())
            state.insert(Controls(window, look));
    }
    const QStringList lines = FileLines(editor.savedBytes());
    for (int index = 0; index < lines.size(); ++index)
        state.insert(u"File %1"_s.arg(index + 1, 3, 10, QLatin1Char('0')), Quoted(lines.at(index)));
    state.insert(u"Modified"_s, Yes(editor.document.isModified()));
    const auto& lists = editor.services.editorLists;
    for (auto it = lists.begin(); it != lists.end(); ++it)
        state.insert(u"Kept "_s + it.key(), Quoted(it.value().join(u" | "_s)));
    const auto [category, question] = editor.selection();
    state.insert(u"Square"_s, u"%1,%2"_s.arg(category).arg(question));
    const QWidget* focus = QApplication::focusWidget();
    state.insert(u"Focus"_s, focus ? focus->objectName() : QString());
    return state;
}

QImage Picture() {
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    return image;
}

// Runs one walk and returns what it printed: its own lines, each step followed
// by what the step changed.
class Walker {
public:
    QStringList run(const QStringList& script) {
        for (const QString& line : script) {
            if (line.startsWith(u"  "_s))
                continue; // what an earlier run printed
            m_out << line;
            if (line.startsWith(u"> "_s))
                step(line.mid(2).split(u' '));
        }
        printUnused();
        return m_out;
    }

private:
    QString expand(QString text) const {
        return text.replace(u"$TMP"_s, m_folder.path()).replace(u"$SRC"_s, SetsCopy());
    }
    // The folders by name, the deepest first: one may lie inside another.
    QString shorten(QString text) const {
        QList<std::pair<QString, QString>> folders{
            {m_folder.path(), u"$TMP"_s}, {QDir::homePath(), u"$HOME"_s}, {SetsCopy(), u"$SRC"_s}};
        std::sort(folders.begin(), folders.end(),
                  [](const auto& a, const auto& b) { return a.first.size() > b.first.size(); });
        for (const auto& [path, name] : folders)
            text.replace(path, name);
        return text;
    }
    void print(const QString& line) { m_out << u"  "_s + shorten(line); }
    // An answer no question took would answer a later one in its place.
    void printUnused() {
        if (m_editor && m_editor->services.unusedAnswers() > 0)
            print(u"%1 answers left unused"_s.arg(m_editor->services.unusedAnswers()));
    }

    void step(QStringList words) {
        const QString verb = words.takeFirst();
        const QString name = words.value(0);
        const QString rest = expand(words.mid(1).join(u' '));
        if (!m_editor && verb != u"start"_s)
            QFAIL("a walk begins with start");
        // What a window-modal dialog blocks, the author cannot reach either.
        const QWidget* modal = QApplication::activeModalWidget();
        const QWidget* target = m_editor ? m_editor->find<QWidget>(name) : nullptr;
        const bool onControl = QStringList{u"click"_s, u"type"_s, u"key"_s,      u"leave"_s,
                                           u"paste"_s, u"row"_s,  u"activate"_s, u"pick"_s}
                                   .contains(verb);
        if (onControl && !target && !m_editor->find<QAction>(name)) {
            print(u"no control "_s + name);
        } else if (modal && (!target || !modal->isAncestorOf(target)) &&
                   (onControl || verb == u"select"_s)) {
            print(u"blocked by "_s + modal->objectName());
        } else if (verb == u"start"_s) {
            printUnused();
            m_editor.reset(); // the old window goes before the new one starts
            m_editor =
                std::make_unique<EditorHarness>(QMap<QString, QString>{}, expand(words.join(u' ')));
            m_said = m_asked = m_unanswered = 0;
            m_played.clear();
            m_state.clear();
        } else if (verb == u"look"_s) {
            m_look = true;
        } else if (verb == u"click"_s) {
            m_editor->click(name);
        } else if (verb == u"type"_s) {
            m_editor->type(name, rest);
        } else if (verb == u"paste"_s) {
            m_editor->lineEdit(name)->insert(rest);
        } else if (verb == u"clipboard"_s) {
            // What another program copied: "\r" and "\n" stand for its line breaks.
            QGuiApplication::clipboard()->setText(Unescaped(expand(words.join(u' '))));
        } else if (verb == u"close"_s) {
            print(m_editor->window->close() ? u"closed"_s : u"stays open"_s);
        } else if (verb == u"leave"_s) {
            m_editor->leave(name);
        } else if (verb == u"key"_s) {
            QTest::keySequence(m_editor->find<QWidget>(name), QKeySequence(rest));
        } else if (verb == u"select"_s) {
            m_editor->select(name.toInt(), words.value(1, u"1"_s).toInt());
        } else if (verb == u"reply"_s) {
            // In the order of MessageAnswer.
            const QStringList replies{u"Ok"_s,           u"Yes"_s,        u"No"_s,
                                      u"Cancel"_s,       u"SaveAnyway"_s, u"SaveAs"_s,
                                      u"OpenAnyway"_s,   u"Recover"_s,    u"Discard"_s,
                                      u"ImportAnyway"_s, u"Convert"_s};
            m_editor->services.setNextAnswer(static_cast<MessageAnswer>(replies.indexOf(name)));
        } else if (verb == u"choose"_s) {
            m_editor->services.setNextFileName(expand(words.join(u' ')));
        } else if (verb == u"font"_s) {
            m_editor->services.setNextFont(
                FontChoice{name, words.contains(u"bold"_s), words.contains(u"italic"_s)});
        } else if (verb == u"colour"_s) {
            m_editor->services.setNextColor(QColor(name));
        } else if (verb == u"pick"_s) {
            auto* list = m_editor->find<QComboBox>(name);
            list->setCurrentIndex(list->findText(rest));
        } else if (verb == u"drop"_s) {
            QMimeData files;
            QList<QUrl> urls;
            for (const QString& word : words)
                urls << QUrl::fromLocalFile(expand(word));
            files.setUrls(urls);
            // As a drag delivers it: the drop comes only after an accepted enter.
            QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &files, Qt::LeftButton, {});
            QCoreApplication::sendEvent(m_editor->window.get(), &enter);
            QDropEvent drop(QPointF(20, 20), Qt::CopyAction, &files, Qt::LeftButton, {});
            QCoreApplication::sendEvent(m_editor->window.get(), &drop);
            print(drop.isAccepted() ? u"taken"_s : u"refused"_s);
        } else if (verb == u"filter"_s) {
            m_editor->services.setNextFilterIndex(name.toInt());
        } else if (verb == u"random"_s) {
            for (const QString& draw : words)
                m_editor->services.setNextRandom(draw.toFloat());
        } else if (verb == u"write"_s) {
            const QString path = m_folder.filePath(name);
            if (path.endsWith(u".png"_s) || path.endsWith(u".jpg"_s))
                QVERIFY(Picture().save(path));
            else
                QVERIFY(!WriteFile(m_folder, name, Unescaped(rest).toUtf8()).isEmpty());
        } else if (verb == u"row"_s || verb == u"activate"_s) {
            // A click on a list's row; a double click comes after the click it starts with.
            auto* view = m_editor->find<QAbstractItemView>(name);
            const QPoint middle =
                view->visualRect(view->model()->index(words.value(1).toInt() - 1, 1)).center();
            QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, middle);
            if (verb == u"activate"_s)
                QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, middle);
        } else if (verb == u"show"_s) {
            for (const QByteArray& line : FileContents(m_folder.filePath(name)).split('\n'))
                print(name + u": "_s + QString::fromUtf8(line).replace(u'\t', u" | "_s).trimmed());
        } else if (verb == u"remove"_s) {
            QVERIFY(QFile::remove(m_folder.filePath(name)));
        } else if (verb == u"disk"_s) {
            const QByteArray bytes = FileContents(m_folder.filePath(name));
            print(name + (bytes == m_editor->savedBytes() ? u" holds the set"_s
                                                          : u" differs from the set"_s));
        } else {
            QFAIL(qPrintable(u"unknown step: "_s + verb));
        }
        settle();
        report();
    }

    // Lets the window finish what a step started, such as a check on a timer.
    void settle() {
        for (int round = 0; round < 100; ++round) {
            QCoreApplication::processEvents();
            // The document's own: it looks at the set's file once writes to it settle.
            const auto timers = m_editor->window->findChildren<QTimer*>() +
                                m_editor->document.findChildren<QTimer*>();
            const bool loading = m_editor->checkBox(u"chkSpellChecker"_s)->isChecked() &&
                                 !m_editor->window->m_spelling->checker().isReady();
            if (!loading && std::none_of(timers.begin(), timers.end(), [](const QTimer* timer) {
                    return timer->isActive() && timer->interval() < 1000;
                }))
                return;
            QTest::qWait(20);
        }
    }

    void report() {
        const ScriptedServices& services = m_editor->services;
        for (qsizetype index = m_said; index < services.messages.size(); ++index)
            print(u"said "_s + Quoted(services.messages.at(index).text));
        for (qsizetype index = m_asked; index < services.chooserCalls.size(); ++index) {
            const auto& call = services.chooserCalls.at(index);
            print(u"asked %1 in %2 for %3"_s.arg(call.kind, Quoted(call.folder), call.filter));
        }
        for (qsizetype index = m_unanswered; index < services.unanswered.size(); ++index)
            // A message's whole text is already said; its first line tells which it was.
            print(u"unanswered "_s + services.unanswered.at(index).section(u'\n', 0, 0).trimmed());
        for (int player = 0; m_look && player < services.players.size(); ++player) {
            const QStringList calls = services.players.at(player)->calls;
            for (qsizetype index = m_played.value(player); index < calls.size(); ++index)
                print(u"player %1 %2"_s.arg(player + 1).arg(calls.at(index)));
            m_played[player] = calls.size();
        }
        m_said = services.messages.size();
        m_asked = services.chooserCalls.size();
        m_unanswered = services.unanswered.size();

        State now = Snapshot(*m_editor, m_look);
        if (m_state.isEmpty()) {
            // Start-up: what the author sees first, not the whole window.
            for (const QString& key : {u"frmEditor.title"_s, u"Square"_s, u"Focus"_s})
                print(key + u" = "_s + now.value(key));
            printFile();
            m_state = now;
            return;
        }
        // A control out of view keeps what the author last saw of it, and tells
        // its changes when it comes into view.
        const auto inView = [&now](const QString& key) {
            const QString control = key.section(u'.', 0, 0);
            const QString view = now.value(u"View "_s + control);
            return !now.contains(u"Exists "_s + control) || view == u"yes"_s ||
                   (view == u"hidden"_s && key == control + u".shown"_s);
        };
        for (auto it = m_state.begin(); it != m_state.end(); ++it) {
            const QString control = it.key().section(u'.', 0, 0);
            if (it.key().contains(u'.') && now.contains(u"Exists "_s + control) &&
                !inView(it.key()))
                now.insert(it.key(), it.value());
        }
        // A whole set that comes in at once (Open, New) is one line when it is
        // a set as New leaves it or the file as it lies on disk.
        int fileChanges = 0;
        for (auto it = now.begin(); it != now.end(); ++it)
            fileChanges += it.key().startsWith(u"File "_s) && m_state.value(it.key()) != it.value();
        const bool wholeSet = fileChanges > 10 && printFile();
        for (auto it = now.begin(); it != now.end(); ++it) {
            if (it.key().startsWith(u"Exists "_s) || it.key().startsWith(u"View "_s) ||
                (wholeSet && it.key().startsWith(u"File "_s)) || !inView(it.key()))
                continue;
            // A control that comes into being is told by what it says, not by its settings.
            const QString property = it.key().section(u'.', -1);
            const bool appears = !m_state.contains(it.key()) && it.key().contains(u'.') &&
                                 (it.value() == u"\"\""_s || it.value() == u"no"_s ||
                                  QStringList{u"shown"_s, u"enabled"_s, u"font"_s, u"colours"_s,
                                              u"box"_s, u"readOnly"_s}
                                      .contains(property));
            if (m_state.value(it.key()) != it.value() && !appears)
                print(it.key() + u" = "_s + it.value());
        }
        // A control that goes is one line (a dialog that closes, one for the
        // dialog); a row of a list or a line of the file that goes is one.
        QSet<QString> gone;
        for (auto it = m_state.begin(); it != m_state.end(); ++it) {
            if (now.contains(it.key()) || (wholeSet && it.key().startsWith(u"File "_s)) ||
                it.key().startsWith(u"View "_s))
                continue;
            if (it.key().startsWith(u"Exists "_s)) {
                if (it.value() == it.key().mid(7) || now.contains(u"Exists "_s + it.value()))
                    gone.insert(it.key().mid(7));
            } else if (!it.key().contains(u'.') ||
                       now.contains(u"Exists "_s + it.key().section(u'.', 0, 0))) {
                gone.insert(it.key());
            }
        }
        QStringList goneLines = gone.values();
        goneLines.sort();
        for (const QString& key : goneLines)
            print(key + u" gone"_s);
        m_state = now;
    }

    // Names the whole set in one line when it is one a reader knows: a set as
    // New leaves it, or the file the set came from as it lies on disk.
    bool printFile() {
        const QByteArray bytes = m_editor->savedBytes();
        const QString path = m_editor->document.fileName();
        if (GameSet fresh = ResetGame(); bytes == WriteGameSet(fresh))
            print(u"File = a new set"_s);
        else if (!path.isEmpty() && bytes == FileContents(path))
            print(u"File = as on disk in "_s + path);
        else
            return false;
        return true;
    }

    QTemporaryDir m_folder;
    std::unique_ptr<EditorHarness> m_editor;
    State m_state;
    QStringList m_out;
    bool m_look = false;
    qsizetype m_said = 0, m_asked = 0, m_unanswered = 0;
    QMap<int, qsizetype> m_played;
};

} // namespace

class TestWalks : public QObject {
    Q_OBJECT

private slots:
    void init() {
        QStandardPaths::setTestModeEnabled(true);
        // Nothing a walk keeps (settings, personal words, recovery copies) reaches the next.
        OpenEditorSettings()->clear();
        QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).removeRecursively();
        OverrideDictionaryFolders({Source + u"/tests/data"_s});
    }

    void walks_data() {
        QTest::addColumn<QString>("path");
        const QDir folder(Source + u"/tests/walks"_s);
        for (const QString& name : folder.entryList({u"*.walk"_s}))
            QTest::newRow(qPrintable(name)) << folder.filePath(name);
    }

    void walks() {
        QFETCH(QString, path);
        const QStringList expected =
            QString::fromUtf8(FileContents(path)).split(u'\n', Qt::SkipEmptyParts);
        const QStringList printed = Walker().run(expected);
        if (qEnvironmentVariableIsSet("QZ_UPDATE_WALKS")) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(printed.join(u'\n').toUtf8() + '\n');
            return;
        }
        qsizetype line = 0;
        while (line < printed.size() && printed.value(line) == expected.value(line))
            ++line;
        QVERIFY2(line == expected.size(),
                 qPrintable(u"line %1: printed \n%2\nwhere the walk has\n%3"_s.arg(line + 1).arg(
                     printed.value(line), expected.value(line))));
    }
};

QTEST_MAIN(TestWalks)
#include "tst_walks.moc"
