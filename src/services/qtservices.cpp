#include "services/qtservices.h"

#include "services/gamefontdialog.h"
#include "services/modules.h"

#include "util/editorsettings.h"
#include "util/pathhelpers.h"

#include <QColorDialog>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>

const QString QtServices::DefaultTitle = QStringLiteral("QuizmoraEditor");

namespace {

// Stands for the media module's player, which it loads at the first opening
// or playing; until then, and when the module cannot be loaded, stopping and
// moving have nothing to act on.
class ModuleMediaPlayer : public MediaPlayer {
public:
    ModuleMediaPlayer(QWidget* videoParent,
                      std::function<std::unique_ptr<MediaPlayer>(QWidget*)> load)
        : m_videoParent(videoParent), m_isVideo(videoParent != nullptr), m_load(std::move(load)) {}

    void open(const QString& path) override {
        if (MediaPlayer* player = loaded())
            player->open(path);
    }
    void play() override {
        if (MediaPlayer* player = loaded())
            player->play();
    }
    void stop() override {
        if (m_player)
            m_player->stop();
    }
    void setPosition(double seconds) override {
        if (m_player)
            m_player->setPosition(seconds);
    }

private:
    MediaPlayer* loaded() {
        // A video player whose picture has gone has nowhere to show.
        if (m_player || (m_isVideo && !m_videoParent))
            return m_player.get();
        m_player = m_load(m_videoParent);
        if (m_player) {
            m_player->onError = [this](const QString& description) {
                if (onError)
                    onError(description);
            };
        }
        return m_player.get();
    }

    QPointer<QWidget> m_videoParent;
    const bool m_isVideo;
    std::function<std::unique_ptr<MediaPlayer>(QWidget*)> m_load;
    std::unique_ptr<MediaPlayer> m_player;
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

QtServices::QtServices(QStringList moduleFolders)
    : m_moduleFolders(std::move(moduleFolders)),
      m_random(static_cast<quint32>(QDateTime::currentMSecsSinceEpoch() & 0xFFFFFFFFu)) {}

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

std::optional<QString> QtServices::askText(const QString& prompt, const QString& initial) {
    bool accepted = false;
    const QString text = QInputDialog::getText(m_parent, DefaultTitle, prompt, QLineEdit::Normal,
                                               initial, &accepted);
    return accepted ? std::optional<QString>(text) : std::nullopt;
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
    QString error;
    const auto choose = LoadModuleFunction<decltype(qz_choose_printer)>(
        Modules::Print, "qz_choose_printer", m_moduleFolders, error);
    if (!choose) {
        ReportMissingModule(QStringLiteral("Printing"), error);
        return PrinterChoice{true, 0};
    }
    // A child of the window that asked stays in front of it, even of a window
    // kept on top, and that window answers again once the chooser closes.
    return choose(printer, parent ? parent : m_parent.data());
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
    return std::make_unique<ModuleMediaPlayer>(videoParent, [this](QWidget* parent) {
        QString error;
        const auto create = LoadModuleFunction<decltype(qz_create_media_player)>(
            Modules::Media, "qz_create_media_player", m_moduleFolders, error);
        if (!create) {
            ReportMissingModule(QStringLiteral("Sound and video"), error);
            return std::unique_ptr<MediaPlayer>();
        }
        return std::unique_ptr<MediaPlayer>(create(parent));
    });
}

void QtServices::ReportMissingModule(const QString& what, const QString& error) {
    // Once: every later click would only repeat it.
    if (!m_missingModules.contains(what)) {
        m_missingModules.insert(what);
        showMessage(what +
                        QStringLiteral(" cannot be used: a part of the program that it needs "
                                       "could not be loaded.\r\n\r\n") +
                        error,
                    MessageButtons::Ok, MessageIcon::Critical, QString());
    }
}
