#include "scriptedservices.h"

#include <QDebug>
#include <QWidget>

namespace {

// The next queued answer; with none, the question is recorded as unanswered and gets `none`.
template <typename T>
T Next(QQueue<T>& queue, QStringList& unanswered, const QString& what, const T& none) {
    if (!queue.isEmpty())
        return queue.dequeue();
    unanswered.append(what);
    qWarning() << "ScriptedServices: nothing queued for" << what;
    return none;
}

} // namespace

MessageAnswer ScriptedServices::showMessage(const QString& text, MessageButtons buttons,
                                            MessageIcon icon, const QString& title) {
    const Message message{text, buttons, icon, title};
    messages.append(message);
    if (buttons == MessageButtons::Ok)
        return MessageAnswer::Ok;
    return Next(m_answers, unanswered, QStringLiteral("message: ") + text, MessageAnswer::Cancel);
}

QString ScriptedServices::getOpenFileName(const QString& folder, const QString& filter) {
    chooserCalls.append({QStringLiteral("open"), folder, filter, QString()});
    return Next(m_fileNames, unanswered, QStringLiteral("open file chooser"), QString());
}

QString ScriptedServices::getSaveFileName(const QString& folder, const QString& filter,
                                          const QString& defaultName) {
    chooserCalls.append({QStringLiteral("save"), folder, filter, defaultName});
    return Next(m_fileNames, unanswered, QStringLiteral("save file chooser"), QString());
}

QString ScriptedServices::getExistingDirectory(const QString& title, const QString& folder) {
    chooserCalls.append({QStringLiteral("folder"), folder, QString(), title});
    return Next(m_fileNames, unanswered, QStringLiteral("folder chooser"), QString());
}

std::optional<FontChoice> ScriptedServices::chooseFont(const FontChoice& initial) {
    chooserCalls.append({QStringLiteral("font"), QString(), QString(), initial.faceName});
    return Next(m_fonts, unanswered, QStringLiteral("font chooser"), std::optional<FontChoice>());
}

std::optional<QColor> ScriptedServices::chooseColor(const QColor& initial) {
    chooserCalls.append({QStringLiteral("color"), QString(), QString(), initial.name()});
    return Next(m_colors, unanswered, QStringLiteral("colour chooser"), std::optional<QColor>());
}

PrinterChoice ScriptedServices::choosePrinter(QPrinter&, QWidget* parent) {
    // The chooser opens in front of the window that asked: its parent stands for the folder.
    chooserCalls.append({QStringLiteral("printer"), parent ? parent->objectName() : QString(),
                         QString(), QString()});
    return Next(m_printers, unanswered, QStringLiteral("printer chooser"), PrinterChoice{true, 0});
}

QString ScriptedServices::readSetting(const QString& key, const QString& defaultValue) {
    settingsRead.append(key);
    return m_settings.value(key, defaultValue);
}

float ScriptedServices::nextRandom() {
    ++randomDraws;
    return m_randoms.isEmpty() ? 0.0f : m_randoms.dequeue();
}

std::unique_ptr<MediaPlayer> ScriptedServices::createMediaPlayer(QWidget* videoParent) {
    auto player = std::make_unique<FakeMediaPlayer>(videoParent != nullptr);
    players.append(player.get());
    return player;
}

std::optional<QString> ScriptedServices::askText(const QString& prompt, const QString& initial) {
    chooserCalls.append({QStringLiteral("text"), QString(), prompt, initial});
    return Next(m_texts, unanswered, QStringLiteral("text: ") + prompt, std::optional<QString>());
}

QStringList ScriptedServices::messageTexts() const {
    QStringList texts;
    for (const Message& message : messages)
        texts.append(message.text);
    return texts;
}
