#include "services/qtservices.h"

#include "services/gamefontdialog.h"

#include "util/editorsettings.h"
#include "util/pathhelpers.h"

#include <QAudioOutput>
#include <QColorDialog>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QMediaPlayer>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSettings>
#include <QUrl>
#include <QVBoxLayout>
#include <QVideoWidget>

const QString QtServices::DefaultTitle = QStringLiteral("QuizmoraEditor");

namespace {

// Sound through the default output; video also into a widget that fills
// the given parent. Loading the media backend is slow, so the player and its
// widget come into being at the first opening or playing, not with the window.
class QtMediaPlayer : public MediaPlayer {
public:
    explicit QtMediaPlayer(QWidget* videoParent) : m_videoParent(videoParent) {}
    ~QtMediaPlayer() override {
        if (m_player)
            m_player->stop();
        delete m_video.data();
    }

    void open(const QString& path) override {
        QMediaPlayer& player = ready();
        m_errorReported = false;
        const QUrl source = QUrl::fromLocalFile(QDir::fromNativeSeparators(path));
        // The player ignores its own source given again; opening a file
        // anew must load it anew, so a bad file is reported at every try.
        if (player.source() == source)
            player.setSource(QUrl());
        player.setSource(source);
    }
    void play() override { ready().play(); }
    void stop() override {
        if (m_player)
            m_player->stop();
    }
    void setPosition(double seconds) override {
        if (m_player)
            m_player->setPosition(static_cast<qint64>(seconds * 1000.0));
    }

private:
    QMediaPlayer& ready() {
        if (m_player)
            return *m_player;
        m_player = std::make_unique<QMediaPlayer>();
        m_audio = std::make_unique<QAudioOutput>();
        m_player->setAudioOutput(m_audio.get());
        if (m_videoParent) {
            m_video = new QVideoWidget(m_videoParent);
            auto* layout = qobject_cast<QVBoxLayout*>(m_videoParent->layout());
            if (!layout) {
                layout = new QVBoxLayout(m_videoParent);
                layout->setContentsMargins(0, 0, 0, 0);
            }
            layout->addWidget(m_video);
            m_player->setVideoOutput(m_video);
        }
        QObject::connect(m_player.get(), &QMediaPlayer::errorOccurred,
                         [this](QMediaPlayer::Error, const QString& description) {
                             // Some backends raise several errors for one bad
                             // file; the user hears of it once per opening.
                             if (m_errorReported)
                                 return;
                             m_errorReported = true;
                             if (onError)
                                 onError(description);
                         });
        return *m_player;
    }

    QPointer<QWidget> m_videoParent;
    // The output outlives the player that plays into it.
    std::unique_ptr<QAudioOutput> m_audio;
    std::unique_ptr<QMediaPlayer> m_player;
    QPointer<QVideoWidget> m_video;
    bool m_errorReported = false;
};

// A button of a box with answers of its own.
struct Choice {
    QString text;
    QMessageBox::ButtonRole role;
    MessageAnswer answer;
};
constexpr QMessageBox::ButtonRole Accept = QMessageBox::AcceptRole;

// Shows `box` with the choices and, when `defaultChoice` is -1, a Cancel
// button that is the default; the answer of the button clicked, Cancel when
// the box was closed otherwise.
MessageAnswer Ask(QMessageBox& box, const QList<Choice>& choices, int defaultChoice = -1) {
    QList<QPushButton*> buttons;
    for (const Choice& choice : choices)
        buttons << box.addButton(choice.text, choice.role);
    box.setDefaultButton(defaultChoice < 0 ? box.addButton(QMessageBox::Cancel)
                                           : buttons.at(defaultChoice));
    box.exec();
    const qsizetype clicked = buttons.indexOf(box.clickedButton());
    return clicked < 0 ? MessageAnswer::Cancel : choices.at(clicked).answer;
}

} // namespace

QtServices::QtServices()
    : m_random(static_cast<quint32>(QDateTime::currentMSecsSinceEpoch() & 0xFFFFFFFFu)) {}

MessageAnswer QtServices::showMessage(const QString& text, MessageButtons buttons, MessageIcon icon,
                                      const QString& title) {
    QMessageBox box(m_parent);
    box.setWindowTitle(title.isEmpty() ? DefaultTitle : title);
    box.setText(text);
    switch (icon) {
    case MessageIcon::None:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case MessageIcon::Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case MessageIcon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case MessageIcon::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    case MessageIcon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    }
    switch (buttons) {
    case MessageButtons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case MessageButtons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case MessageButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    case MessageButtons::SaveAnywayCancel:
        return Ask(box, {{QStringLiteral("Save anyway"), Accept, MessageAnswer::SaveAnyway}});
    case MessageButtons::ImportAnywayCancel:
        return Ask(box, {{QStringLiteral("Import Anyway"), Accept, MessageAnswer::ImportAnyway}});
    case MessageButtons::SaveAnywaySaveAsCancel:
        return Ask(box,
                   {{QStringLiteral("Save Anyway"), Accept, MessageAnswer::SaveAnyway},
                    {QStringLiteral("Save As…"), QMessageBox::ActionRole, MessageAnswer::SaveAs}});
    case MessageButtons::OpenAnywayCancel:
        return Ask(box, {{QStringLiteral("Open Anyway"), Accept, MessageAnswer::OpenAnyway}});
    case MessageButtons::RecoverDiscard:
        // Neither is the Escape key's: closing the box keeps the copy for later.
        return Ask(
            box,
            {{QStringLiteral("Recover"), Accept, MessageAnswer::Recover},
             {QStringLiteral("Discard"), QMessageBox::DestructiveRole, MessageAnswer::Discard}},
            0);
    case MessageButtons::ConvertCancel:
        return Ask(box,
                   {{QStringLiteral("Convert to JPEG"), Accept, MessageAnswer::Convert},
                    {QStringLiteral("Cancel"), QMessageBox::RejectRole, MessageAnswer::Cancel}},
                   0);
    case MessageButtons::DiscardKeep:
        return Ask(
            box,
            {{QStringLiteral("Discard"), QMessageBox::DestructiveRole, MessageAnswer::Discard},
             {QStringLiteral("Keep"), QMessageBox::RejectRole, MessageAnswer::Cancel}},
            1);
    }
    switch (box.exec()) {
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    case QMessageBox::Cancel:
        return MessageAnswer::Cancel;
    default:
        // Closing a Yes/No/Cancel box with Escape is a Cancel; an OK box has no other answer.
        return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
    }
}

QString QtServices::getOpenFileName(const QString& folder, const QString& filter) {
    return QFileDialog::getOpenFileName(m_parent, QString(),
                                        QDir::fromNativeSeparators(ReadyChooserFolder(folder)),
                                        ToQtFileFilter(filter));
}

QString QtServices::getSaveFileName(const QString& folder, const QString& filter,
                                    const QString& defaultName) {
    QString start = QDir::fromNativeSeparators(ReadyChooserFolder(folder));
    if (!defaultName.isEmpty())
        start = start.isEmpty() ? defaultName : QDir(start).filePath(defaultName);
    return QFileDialog::getSaveFileName(m_parent, QString(), start, ToQtFileFilter(filter), nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

SaveFileChoice QtServices::getSaveFileChoice(const QString& folder, const QString& filter,
                                             const QString& defaultName) {
    QString start = QDir::fromNativeSeparators(folder);
    if (!defaultName.isEmpty())
        start = start.isEmpty() ? defaultName : QDir(start).filePath(defaultName);
    const QString filters = ToQtFileFilter(filter);
    QString selected;
    const QString path = QFileDialog::getSaveFileName(m_parent, QString(), start, filters,
                                                      &selected, QFileDialog::DontConfirmOverwrite);
    const auto index = filters.split(QStringLiteral(";;")).indexOf(selected);
    return {path, static_cast<int>(qMax<qsizetype>(index, 0))};
}

QString QtServices::getExistingDirectory(const QString& title, const QString& folder) {
    return QFileDialog::getExistingDirectory(
        m_parent, title, QDir::fromNativeSeparators(ReadyChooserFolder(folder)));
}

std::optional<FontChoice> QtServices::chooseFont(const FontChoice& initial) {
    GameFontDialog dialog(initial.faceName, initial.bold, initial.italic, m_parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return FontChoice{dialog.family(), dialog.bold(), dialog.italic()};
}

std::optional<QColor> QtServices::chooseColor(const QColor& initial) {
    const QColor chosen = QColorDialog::getColor(initial, m_parent);
    if (!chosen.isValid())
        return std::nullopt;
    return chosen;
}

PrinterChoice QtServices::choosePrinter(QPrinter& printer, QWidget* parent) {
    // A child of the window that asked stays in front of it, even of a window
    // kept on top, and that window answers again once the chooser closes.
    QPrintDialog dialog(&printer, parent ? parent : m_parent.data());
    if (dialog.exec() != QDialog::Accepted)
        return PrinterChoice{true, 0};
    return PrinterChoice{false, printer.copyCount()};
}

QStringList QtServices::editorList(const QString& key) {
    return OpenEditorSettings()->value(key).toStringList();
}

void QtServices::setEditorList(const QString& key, const QStringList& values) {
    OpenEditorSettings()->setValue(key, values);
}

QString QtServices::readSetting(const QString& key, const QString& defaultValue) {
#ifdef Q_OS_WIN
    // Where the game keeps its settings on Windows.
    QSettings settings(
        QStringLiteral("HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\QZV"),
        QSettings::NativeFormat);
#else
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("QZV"),
                       QStringLiteral("QZV"));
#endif
    settings.beginGroup(QStringLiteral("Settings"));
    return settings.value(key, defaultValue).toString();
}

float QtServices::nextRandom() {
    // 24 random bits: every value is exact in a float and below 1.
    return static_cast<float>(m_random.bounded(1u << 24)) / static_cast<float>(1u << 24);
}

std::unique_ptr<MediaPlayer> QtServices::createMediaPlayer(QWidget* videoParent) {
    return std::make_unique<QtMediaPlayer>(videoParent);
}

std::optional<QString> QtServices::askText(const QString& prompt, const QString& initial) {
    bool accepted = false;
    const QString text = QInputDialog::getText(m_parent, DefaultTitle, prompt, QLineEdit::Normal,
                                               initial, &accepted);
    if (!accepted)
        return std::nullopt;
    return text;
}
