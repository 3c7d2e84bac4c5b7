// File > Pack for the Game: the board as it stands and a copy of its media,
// with the paths the game's computer will find them by.

#include "editor/mediacommands.h"

#include "document/gamesetdocument.h"

#include "model/mediafolders.h"
#include "pack/pack.h"
#include "services/services.h"
#include "util/pathhelpers.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

namespace {

// The editor's preferences the command remembers between uses.
const QString GameFolderKey = QStringLiteral("PackGameFolder");
const QString OutputFolderKey = QStringLiteral("PackOutputFolder");

QString MessageLines(const QString& text) {
    QString lines = text;
    return lines.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

} // namespace

void MediaCommands::SetUpPackCommand() {
    auto* command = new QAction(tr("Pack for the &Game…"), m_controls.window);
    command->setObjectName(QStringLiteral("mnuPackForGame"));
    command->setStatusTip(tr("Copy the board and its media into a folder or zip, with the paths "
                             "the game's computer will find them by"));
    m_controls.mnuFile->insertAction(m_controls.mnuFilePrint, command);
    connect(command, &QAction::triggered, this, &MediaCommands::mnuPackForGame_Click);
}

void MediaCommands::mnuPackForGame_Click() {
    if (m_guard.refuses())
        return;
    const QString setFile = m_document.fileName();
    QString setName = QFileInfo(setFile).completeBaseName();
    if (setFile.isEmpty()) {
        const std::optional<QString> name = m_services.askText(
            QStringLiteral("The board has no name yet. Name of the packed board:"),
            QStringLiteral("Quiz Night"));
        if (!name || name->trimmed().isEmpty())
            return;
        setName = name->trimmed();
    }

    const QStringList lastOutput = m_services.editorList(OutputFolderKey);
    QString filter = AddFilterItem(QString(), QStringLiteral("Folder"), QStringLiteral("*"));
    filter = AddFilterItem(filter, QStringLiteral("Zip archive"), QStringLiteral("*.zip"));
    const SaveFileChoice output = m_services.getSaveFileChoice(
        lastOutput.isEmpty() ? QDir::homePath() : lastOutput.first(), filter, setName);
    if (output.path.isEmpty())
        return;

    const QStringList lastGameFolder = m_services.editorList(GameFolderKey);
    const std::optional<QString> gameFolder = m_services.askText(
        QStringLiteral("The folder on the game's computer where you will copy this pack, for "
                       "example D:\\Quiz Night:"),
        lastGameFolder.isEmpty() ? QStringLiteral("D:\\Quiz Night") : lastGameFolder.first());
    if (!gameFolder)
        return;

    PackRequest request;
    request.setName = setName;
    request.setFile = setFile;
    request.out = output.path;
    request.gameFolder = *gameFolder;
    request.zip = output.filterIndex == 1;
    const MediaLocator locator(MediaFolders(SavedMediaFolders()),
                               setFile.isEmpty() ? QString() : QFileInfo(setFile).absolutePath());
    // The board as it stands, unsaved changes included; the document is only read.
    PackResult result = PackGameSet(m_document.game(), locator, request);
    // Missing media and a place that is taken are asked about, each once.
    for (;;) {
        const bool missing =
            result.error.number == ErrorNumber::FileNotFound && !request.allowMissing;
        if (!missing && !(result.forceHelps && !request.force))
            break;
        const QString question =
            missing ? QStringLiteral("\r\n\r\nPack the rest anyway? The packed board keeps the "
                                     "paths of these media, and the game will not find them.")
                    : QStringLiteral("\r\n\r\nWrite the pack there anyway, replacing what is "
                                     "there?");
        if (m_services.showMessage(MessageLines(result.error.reason) + question,
                                   MessageButtons::YesNo, MessageIcon::Exclamation,
                                   QString()) != MessageAnswer::Yes)
            return;
        (missing ? request.allowMissing : request.force) = true;
        result = PackGameSet(m_document.game(), locator, request);
    }
    if (result.error.failed()) {
        ShowOkMessage(QStringLiteral("The board was not packed.\r\nError %1: %2\r\n")
                          .arg(result.error.number)
                          .arg(result.error.description) +
                      MessageLines(result.error.reason));
        return;
    }
    m_services.setEditorList(GameFolderKey, {*gameFolder});
    m_services.setEditorList(OutputFolderKey, {QFileInfo(result.written).absolutePath()});
    QString text = QStringLiteral("The board was packed into\r\n%1\r\n\r\n%2 its contents into "
                                  "%3 on the game's computer.")
                       .arg(QDir::toNativeSeparators(result.written),
                            request.zip ? QStringLiteral("Unpack") : QStringLiteral("Copy"),
                            gameFolder->trimmed());
    const QStringList left = result.missing();
    if (!left.isEmpty())
        text += QStringLiteral("\r\n\r\nLeft out, as they cannot be found:\r\n") +
                left.join(QStringLiteral("\r\n"));
    m_services.showMessage(text, MessageButtons::Ok, MessageIcon::Information, QString());
}
