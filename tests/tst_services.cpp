// The real platform behind the window, answered as a user would: Qt's message
// boxes and choosers, the sound player (it needs GStreamer), the settings
// files and the random draws.
#include "services/gamefontdialog.h"
#include "services/qtservices.h"
#include "testdata.h"

#include <QPrinter>
#include <QtTest>
#include <QtWidgets>

using namespace Qt::StringLiterals;

// Half a second of mono 16-bit PCM silence at 22,050 Hz, header and all.
const QByteArray SilentWav = QByteArray("RIFF\x46\x56\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0\x22\x56\0\0"
                                        "\x44\xAC\0\0\x02\0\x10\0data\x22\x56\0\0",
                                        44) +
                             QByteArray(22050, '\0');

// Runs `answer` on the modal dialog about to open; another dialog is closed unanswered.
template <typename Dialog, typename Answer> void WhenOpen(Answer answer) {
    QTimer::singleShot(0, [answer] {
        QWidget* open = QApplication::activeModalWidget();
        if (auto* dialog = qobject_cast<Dialog*>(open))
            answer(dialog);
        else if (open)
            open->close();
    });
}

class TestServices : public QObject {
    Q_OBJECT

private slots:
    void messages_data() {
        using B = MessageButtons;
        using A = MessageAnswer;
        using I = MessageIcon;
        using Q = QMessageBox;
        // The button pressed by its text, or the Escape key.
        Columns<B, I, QString, QString, A, Q::Icon>("buttons", "icon", "title", "press", "answer",
                                                    "shown");
        AddRow("OK", B::Ok, I::Exclamation, "", "OK", A::Ok, Q::Warning);
        AddRow("OK by Escape", B::Ok, I::Information, "Print", "Escape", A::Ok, Q::Information);
        AddRow("Yes", B::YesNo, I::Question, "", "Yes", A::Yes, Q::Question);
        AddRow("No", B::YesNo, I::Critical, "", "No", A::No, Q::Critical);
        AddRow("No of three", B::YesNoCancel, I::None, "", "No", A::No, Q::NoIcon);
        AddRow("Escape of three", B::YesNoCancel, I::Question, "", "Escape", A::Cancel,
               Q::Question);
        AddRow("Save anyway", B::SaveAnywayCancel, I::None, "", "Save anyway", A::SaveAnyway,
               Q::NoIcon);
        AddRow("Escape over Save anyway", B::SaveAnywayCancel, I::None, "", "Escape", A::Cancel,
               Q::NoIcon);
        AddRow("Import Anyway", B::ImportAnywayCancel, I::Exclamation, "", "Import Anyway",
               A::ImportAnyway, Q::Warning);
        AddRow("Save As of three", B::SaveAnywaySaveAsCancel, I::Exclamation, "", "Save As…",
               A::SaveAs, Q::Warning);
        AddRow("Open anyway", B::OpenAnywayCancel, I::Question, "", "Open Anyway", A::OpenAnyway,
               Q::Question);
        AddRow("Convert to JPEG", B::ConvertCancel, I::Question, "", "Convert to JPEG", A::Convert,
               Q::Question);
        AddRow("Recover", B::RecoverDiscard, I::Question, "", "Recover", A::Recover, Q::Question);
        AddRow("Discard", B::RecoverDiscard, I::Question, "", "Discard", A::Discard, Q::Question);
    }
    void messages() {
        const QString press = Data<QString>("press"), title = Data<QString>("title");
        QStringList seen;
        WhenOpen<QMessageBox>([&](QMessageBox* box) {
            seen << box->windowTitle() << box->text() << QString::number(box->icon());
            for (QAbstractButton* button : box->buttons())
                if (button->text().remove(u'&') == press)
                    return button->click();
            QTest::keyClick(box, Qt::Key_Escape);
        });
        QtServices services;
        QCOMPARE(services.showMessage(u"Save changes?"_s, Data<MessageButtons>("buttons"),
                                      Data<MessageIcon>("icon"), title),
                 Data<MessageAnswer>("answer"));
        QCOMPARE(seen,
                 (QStringList{title.isEmpty() ? u"QuizmoraEditor"_s : title, u"Save changes?"_s,
                              QString::number(Data<QMessageBox::Icon>("shown"))}));
    }

    // Each chooser starts in the folder asked for, offers the filter's items and
    // gives the file chosen, "" when cancelled.
    void fileChoosers() {
        QTemporaryDir folder;
        const QString set = WriteFile(folder, u"game.txt"_s, "");
        const QString filter = u"Game Sets|*.txt|Lists|*.csv;*.tsv"_s;
        QtServices services;
        QStringList seen;
        const auto choose = [&](const QString& file, int filterItem) {
            WhenOpen<QFileDialog>([&seen, file, filterItem](QFileDialog* chooser) {
                seen = chooser->nameFilters();
                seen << chooser->directory().path() << chooser->selectedFiles().value(0)
                     << QString::number(chooser->testOption(QFileDialog::DontConfirmOverwrite));
                if (file.isEmpty())
                    return chooser->reject();
                chooser->selectNameFilter(seen.at(filterItem));
                chooser->selectFile(file);
                static_cast<QDialog*>(chooser)->accept(); // as OK does
            });
        };
        const QStringList offered{u"Game Sets (*.txt)"_s, u"Lists (*.csv *.tsv)"_s};
        choose(set, 0);
        QCOMPARE(services.getOpenFileName(folder.path(), filter), set);
        QCOMPARE(seen.mid(0, 3), offered + QStringList{folder.path()});
        choose(QString(), 0);
        QCOMPARE(services.getOpenFileName(folder.path(), filter), QString());

        // Saving offers the name given and leaves overwriting to the editor's own question.
        choose(set, 0);
        QCOMPARE(services.getSaveFileName(folder.path(), filter, u"board.txt"_s), set);
        QCOMPARE(seen.mid(2), (QStringList{folder.path(), folder.filePath(u"board.txt"_s), "1"}));
        const QString list = folder.filePath(u"board.tsv"_s);
        choose(list, 1);
        const SaveFileChoice chosen = services.getSaveFileChoice(QString(), filter, u"b.tsv"_s);
        QCOMPARE(seen.value(3), QDir::current().filePath(u"b.tsv"_s));
        QVERIFY(chosen.path == list && chosen.filterIndex == 1);
        choose(QString(), 1);
        QCOMPARE(services.getSaveFileChoice(folder.path(), filter, u"b"_s).path, QString());
    }

    // The colour, font and printer choosers: OK gives the choice, Cancel none.
    void choosers() {
        QtServices services;
        for (const bool ok : {true, false}) {
            const auto answer = [ok](QDialog* chooser) {
                ok ? chooser->accept() : chooser->reject();
            };
            WhenOpen<QDialog>(answer);
            QCOMPARE(services.chooseColor(Qt::cyan),
                     ok ? std::optional(QColor(Qt::cyan)) : std::nullopt);
            WhenOpen<GameFontDialog>([ok](GameFontDialog* chooser) {
                chooser->findChildren<QCheckBox*>().constFirst()->setChecked(false); // not bold
                const auto* preview =
                    chooser->findChild<QLabel*>(QString(), Qt::FindDirectChildrenOnly);
                ok && !preview->font().bold() ? chooser->accept() : chooser->reject();
            });
            const std::optional<FontChoice> font =
                services.chooseFont({u"Courier New"_s, true, true});
            QVERIFY(ok ? font->faceName == u"Courier New"_s && !font->bold && font->italic : !font);
            QPrinter printer;
            printer.setCopyCount(3);
            WhenOpen<QDialog>(answer);
            const PrinterChoice choice = services.choosePrinter(printer, nullptr);
            QVERIFY(choice.cancelled != ok && choice.copies == (ok ? 3 : 0));
        }
        // A family from outside the list is offered only when asked for.
        QCOMPARE(GameFontDialog(u"DejaVu Sans"_s, false, true).family(), u"DejaVu Sans"_s);
        QVERIFY(IsGameSetFontFamily(u"times new roman"_s) &&
                !IsGameSetFontFamily(u"DejaVu Sans"_s));
    }

    // A good clip plays silently; a bad one is reported at each opening, once; without
    // its module the player says so, once, and plays nothing.
    void players_data() {
        Columns<QByteArray, bool, bool>("bytes", "reported", "module");
        AddRow("silence", SilentWav, false, true);
        AddRow("not audio", QByteArray("RIFF....WAVEthis is no sound at all"), true, true);
        AddRow("no module", QByteArray("RIFF....WAVEthis is no sound at all"), false, false);
    }
    void players() {
        QTemporaryDir folder;
        const QString path = WriteFile(folder, u"clip.wav"_s, Data<QByteArray>("bytes"));
        const bool reported = Data<bool>("reported");
        QtServices services(Data<bool>("module") ? ModuleFolders() : QStringList{folder.path()});
        QString missing;
        WhenOpen<QMessageBox>(
            [&missing](QMessageBox* box) { missing += box->text(), box->accept(); });
        std::unique_ptr<MediaPlayer> player = services.createMediaPlayer(nullptr);
        int errors = 0;
        player->onError = [&](const QString&) { ++errors; };
        player->setPosition(0);
        // A bad file is reported again when opened again; a good one is opened once, as
        // opening a playing clip anew can stall the media backend.
        for (int opening = 1; opening <= (reported ? 2 : 1); ++opening) {
            player->open(path);
            player->play();
            if (reported)
                QTRY_COMPARE_WITH_TIMEOUT(errors, opening, 20000);
        }
        if (!reported)
            QTest::qWait(3000);
        QCOMPARE(errors, reported ? 2 : 0);
        QCOMPARE(missing.count(u"quizmora-media"_s), Data<bool>("module") ? 0 : 1);
        player->stop();
    }

    // The game's settings are read where the game writes them; the editor's own are apart.
    void settingsAndDraws() {
        QSettings game(QSettings::IniFormat, QSettings::UserScope, u"QZV"_s, u"QZV"_s);
        game.setValue(u"Settings/Game"_s, u"/sets/a.txt"_s);
        game.sync();
        QtServices services;
        QCOMPARE(services.readSetting(u"Game"_s, u"none"_s), u"/sets/a.txt"_s);
        QCOMPARE(services.readSetting(u"EditCurrentGame"_s, u"0"_s), u"0"_s);
        services.setEditorList(u"RecentFiles"_s, {u"/a.txt"_s, u"/b.txt"_s});
        QCOMPARE(services.editorList(u"RecentFiles"_s), (QStringList{u"/a.txt"_s, u"/b.txt"_s}));
        QCOMPARE(game.allKeys(), QStringList{u"Settings/Game"_s});

        QSet<float> draws;
        for (int draw = 0; draw < 1000; ++draw)
            draws.insert(services.nextRandom());
        const auto [low, high] = std::minmax_element(draws.begin(), draws.end()); // over [0, 1)
        QVERIFY(draws.size() > 990 && *low >= 0 && *low < 0.02f && *high > 0.98f && *high < 1);
    }
};

QTEST_MAIN(TestServices)
#include "tst_services.moc"
