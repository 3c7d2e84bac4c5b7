// Words, dictionaries, the underline and its menu, and Check Spelling.
#include "editor/spellcheckdialog.h"
#include "editor/spelling.h"
#include "editor/spellunderline.h"
#include "editorharness.h"
#include "spell/spellchecker.h"
#include "testdata.h"

#include "util/editorsettings.h"
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>

#include <QSettings>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

namespace {

const QString TestData = u"" QZ_SOURCE_DIR "/tests/data"_s;
const DictionaryInfo Tiny{u"qz_QZ"_s, TestData + u"/qz_QZ.aff"_s, TestData + u"/qz_QZ.dic"_s};

// The words of `spans` in `text`, joined by "|".
QString Words(const QString& text, const QList<TextSpan>& spans) {
    QStringList words;
    for (const TextSpan& span : spans)
        words.append(text.mid(span.start, span.length));
    return words.join(u'|');
}

void WriteDictionary(const QString& folder, const QString& language, const QByteArray& affix,
                     const QByteArray& words) {
    for (const auto& [ending, bytes] : {std::pair{u".aff"_s, affix}, {u".dic"_s, words}}) {
        QFile file(folder + u'/' + language + ending);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) < 0)
            qFatal("cannot write %s", qPrintable(file.fileName()));
    }
}

// How many pixels of `box` are drawn in the underline's red.
int RedPixels(QLineEdit* box) {
    const QImage image = box->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const auto* pixels = reinterpret_cast<const QRgb*>(image.constBits());
    return static_cast<int>(std::count_if(pixels, pixels + image.sizeInBytes() / 4, [](QRgb pixel) {
        return qRed(pixel) > 180 && qGreen(pixel) < 90 && qBlue(pixel) < 90;
    }));
}

} // namespace

class TestSpelling : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        m_personalWords = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
                          u"/personal-words.txt"_s;
    }

    void init() {
        OverrideDictionaryFolders({TestData});
        OpenEditorSettings()->clear();
        QFile::remove(m_personalWords);
    }

    void checksWords_data() {
        // The suggestion is for the last unknown word.
        Columns<QString, QString, QString, QString>("affix", "text", "unknown", "suggested");
        // Only words the splitter passes on can be unknown; ő is not in ISO-8859-1.
        const QString text = u"'café' Straße, cafő isn't well-known Strasse"_s;
        const QString unknown = u"cafő|well|known|Strasse"_s;
        AddRow("ISO-8859-1", Tiny.affixPath, text, unknown, u"Straße"_s);
        AddRow("UTF-8", TestData + u"/utf8/qz_QZ.aff"_s, text, unknown, u"Straße"_s);
        const QString notWords = u"the 21st of 1990s mp3 www.example.com https://x.org/a a@x.org "
                                 u"C:\\Clips\\intro.mp4 /tmp/a photo.jpg U.S.A. end.Then "_s;
        AddRow("not words", Tiny.affixPath, notWords + QString(LongestWord + 1, u'x') + u" Rivr"_s,
               "end|Then|Rivr", "River");
        AddRow("en_US", "/usr/share/hunspell/en_US.aff",
               "Isn't the 21st-century city's famus river?", "famus", "famous");
    }

    void checksWords() {
        auto [affix, text, unknown, suggested] =
            Fetch<QString, QString, QString, QString>("affix", "text", "unknown", "suggested");
        if (!QFile::exists(affix))
            QSKIP("hunspell-en-us is not installed");
        SpellChecker checker({{u"xx_XX"_s, affix, affix.chopped(4) + u".dic"_s}}, QString());
        QVERIFY2(checker.ensureLoaded(), qPrintable(checker.errorText()));
        QCOMPARE(Words(text, checker.unknownWords(text)), unknown);
        QVERIFY(checker.suggestions(unknown.section(u'|', -1)).contains(suggested));
    }

    void underlinesUnknownWords_data() {
        Columns<QString, QString, QString>("box", "typed", "underlined");
        AddRow("question", "txtEnterQuestion", "Teh city on the Siene", "Teh|Siene");
        AddRow("answer", "txtAnswer", "Pariss", "Pariss");
        AddRow("category name", "txtCategoryName", "WORLD CAPITLS", "CAPITLS");
        AddRow("choice", "txtEditAnswer2", "the city on the Strasse", "Strasse");
        // Typing stops at 256 characters: the word is cut where the box ends.
        AddRow("question at its limit", "txtEnterQuestion", u"the "_s.repeated(63) + u"Frnacexyz"_s,
               "Frna");
    }

    void underlinesUnknownWords() {
        auto [box, typed, underlined] =
            Fetch<QString, QString, QString>("box", "typed", "underlined");
        EditorHarness editor;
        editor.click(u"chkSpellChecker"_s); // the dictionary loads in the background
        QTRY_VERIFY(editor.window->m_spelling->checker().isReady());
        if (box.startsWith(u"txtEditAnswer"_s))
            editor.click(u"btnMultipleChoice"_s);
        QLineEdit* edit = editor.lineEdit(box);
        editor.type(box, typed);
        QCOMPARE(edit->text().size(), std::min<qsizetype>(typed.size(), 256));
        QCOMPARE(Words(edit->text(), editor.window->m_spelling->underliner().underlined(edit)),
                 underlined);
        QVERIFY(RedPixels(edit) > 0);

        editor.click(u"chkSpellChecker"_s);
        QVERIFY(editor.window->m_spelling->underliner().underlined(edit).isEmpty());
        QCOMPARE(RedPixels(edit), 0);
    }

    void menuActsOnWord_data() {
        // Chosen: a suggestion, or the action's object name.
        Columns<QString, QString>("chosen", "after");
        AddRow("suggestion", "Paris", "Paris is the capital");
        AddRow("ignore", "actSpellIgnore", "Pariss is the capital");
        AddRow("add to dictionary", "actSpellAdd", "Pariss is the capital");
    }

    void menuActsOnWord() {
        auto [chosen, after] = Fetch<QString, QString>("chosen", "after");
        EditorHarness editor;
        editor.click(u"chkSpellChecker"_s);
        QVERIFY(editor.window->m_spelling->checker().ensureLoaded());
        editor.type(u"txtEnterQuestion"_s, u"Pariss is the capital"_s);
        QLineEdit* box = editor.lineEdit(u"txtEnterQuestion"_s);
        // A right click on the word: the menu is chosen from while it is open.
        bool chose = false;
        QTimer::singleShot(0, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(menu);
            const QList<QAction*> entries = menu->actions();
            QVERIFY(entries.last()->text().startsWith(u"Select All"_s)); // standard entries last
            for (QAction* entry : entries) {
                if (!chose && (entry->text() == chosen || entry->objectName() == chosen)) {
                    entry->trigger();
                    chose = true;
                }
            }
            menu->close();
        });
        const QPoint word(8, box->height() / 2);
        QContextMenuEvent rightClick(QContextMenuEvent::Mouse, word, box->mapToGlobal(word));
        QApplication::sendEvent(box, &rightClick);
        QVERIFY(chose);
        QCOMPARE(editor.record(1).QuestionText.trimmed(), after);
        QVERIFY(editor.window->m_spelling->underliner().underlined(box).isEmpty());
        QFile words(m_personalWords);
        QCOMPARE(words.open(QIODevice::ReadOnly) && words.readAll() == "Pariss\n",
                 chosen == u"actSpellAdd"_s);
        if (chosen == u"Paris"_s) { // one step, apart from the typing before it
            editor.click(u"mnuEditUndo"_s);
            QCOMPARE(box->text(), u"Pariss is the capital"_s);
        }
        // The tick is remembered; the next start loads the dictionary in the background.
        EditorHarness again;
        QVERIFY(again.checkBox(u"chkSpellChecker"_s)->isChecked());
        QTRY_VERIFY(again.window->m_spelling->checker().isReady());
        QCOMPARE(again.window->m_spelling->checker().unknownWords(after).isEmpty(),
                 chosen != u"actSpellIgnore"_s); // the added word is known from now on
        // ... and the boxes are checked again as the author types.
        again.type(u"txtEnterQuestion"_s, u"Xyzzq is the capital"_s);
        QCOMPARE(again.window->m_spelling->underliner()
                     .underlined(again.lineEdit(u"txtEnterQuestion"_s))
                     .size(),
                 1);
    }

    // The walk through a set stops at each field once; a choice that is the
    // answer is changed with it. The window's dialog is in the spelling walk.
    void changedChoiceTakesTheAnswer() {
        GameSetDocument document;
        GameSet game = document.game();
        auto& answers = game.question(3, 2).Answers; // the answer is choice C
        answers[2].set(u"Pariss"_s);
        for (int k : {0, 1, 3})
            answers[k].set(u"Rivr"_s);
        document.replace(game, QString(), false);
        SpellChecker checker({Tiny}, QString());
        QVERIFY(checker.ensureLoaded());
        SpellWalker walker(document, checker);
        QStringList stops;
        for (const QString& change : {QString(), QString(), u"Paris"_s, u"River"_s, QString()}) {
            const std::optional<Misspelling> found = walker.next();
            stops << (found ? SpellCheckDialog::PlaceText(found->field) + u' ' + found->word
                            : u""_s);
            if (change.isEmpty())
                walker.skip();
            else
                QVERIFY(walker.change(change));
        }
        QCOMPARE(stops, QStringList({u"Category 3, Question 2: Answer Rivr"_s,
                                     u"Category 3, Question 2: Choice A Rivr"_s,
                                     u"Category 3, Question 2: Choice B Pariss"_s,
                                     u"Category 3, Question 2: Choice C Rivr"_s, u""_s}));
        const auto& changed = document.game().question(3, 2).Answers;
        QCOMPARE(changed[2].trimmed() + changed[0].trimmed(), u"ParisRiver"_s);
        document.undoStack().undo();
        QCOMPARE(changed[0].trimmed() + changed[3].trimmed(), u"RivrRivr"_s); // one step
    }

    // Another language chosen while checking loads in the background.
    void switchesLanguage() {
        QTemporaryDir folder;
        for (const QString& ending : {u".aff"_s, u".dic"_s})
            QVERIFY(
                QFile::copy(TestData + u"/qz_QZ"_s + ending, folder.filePath(u"qz_QY"_s + ending)));
        OverrideDictionaryFolders({TestData, folder.path()});
        EditorHarness editor;
        editor.click(u"chkSpellChecker"_s);
        QTRY_VERIFY(editor.window->m_spelling->checker().isReady());
        auto* languages = editor.find<QComboBox>(u"cboSpellLanguage"_s);
        languages->setCurrentIndex(1 - languages->currentIndex());
        QVERIFY(!editor.window->m_spelling->checker().isReady());
        QTRY_VERIFY(editor.window->m_spelling->checker().isReady());
    }

    void reportsMissingOrDamagedDictionary_data() {
        // A null affix: no dictionary at all.
        Columns<QByteArray, QByteArray, QString>("affix", "words", "message");
        QTest::newRow("none installed") << QByteArray() << QByteArray() << u"hunspell-en-us"_s;
        AddRow("no word count", "SET UTF-8"_ba, "hello"_ba, u"is damaged"_s);
        AddRow("unknown encoding", "SET X-NO"_ba, "1\nhello"_ba, u"encoding X-NO"_s);
    }

    void reportsMissingOrDamagedDictionary() {
        auto [affix, words, message] =
            Fetch<QByteArray, QByteArray, QString>("affix", "words", "message");
        QTemporaryDir folder;
        if (!affix.isNull())
            WriteDictionary(folder.path(), u"qz_QZ"_s, affix, words);
        OverrideDictionaryFolders({folder.path()});
        EditorHarness editor;
        QCOMPARE(editor.checkBox(u"chkSpellChecker"_s)->isEnabled(), !affix.isNull());
        if (affix.isNull())
            QVERIFY(editor.checkBox(u"chkSpellChecker"_s)->toolTip().contains(message));
        if (!affix.isNull()) {
            // Turning spelling on loads the damaged dictionary: it says why and stays off.
            editor.click(u"chkSpellChecker"_s);
            QTRY_VERIFY(!editor.services.messageTexts().isEmpty());
            QVERIFY(editor.services.messageTexts().last().contains(message));
            QVERIFY(!editor.checkBox(u"chkSpellChecker"_s)->isChecked());
        }
        editor.click(u"mnuEditCheckSpelling"_s);
        QVERIFY(editor.services.messageTexts().last().contains(message));
    }

private:
    QString m_personalWords;
};

QTEST_MAIN(TestSpelling)
#include "tst_spelling.moc"
