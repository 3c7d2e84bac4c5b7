#include "scriptedservices.h"

#include <QDebug>

void FakeMediaPlayer::open(const QString& path) {
    calls.append(QStringLiteral("open:") + path);
}

void FakeMediaPlayer::play() {
    calls.append(QStringLiteral("play"));
}

void FakeMediaPlayer::stop() {
    calls.append(QStringLiteral("stop"));
}

void FakeMediaPlayer::setPosition(double seconds) {
    calls.append(QStringLiteral("setPosition:") + QString::number(seconds));
}

MessageAnswer ScriptedServices::showMessage(const QString& text, MessageButtons buttons,
                                            MessageIcon icon, const QString& title) {
    const Message message{text, buttons, icon, title};
    messages.append(message);
    if (buttons == MessageButtons::Ok)
        return MessageAnswer::Ok;
    if (m_answers.isEmpty()) {
        unanswered.append(QStringLiteral("message: ") + text);
        qWarning() << "ScriptedServices: no answer queued for" << text;
        return MessageAnswer::Cancel;
    }
    return m_answers.dequeue();
}

QString ScriptedServices::getOpenFileName(const QString& folder, const QString& filter) {
    chooserCalls.append({QStringLiteral("open"), folder, filter, QString()});
    if (m_fileNames.isEmpty()) {
        unanswered.append(QStringLiteral("open file chooser"));
        qWarning() << "ScriptedServices: no file name queued for an open chooser";
        return QString();
    }
    return m_fileNames.dequeue();
}

QString ScriptedServices::getSaveFileName(const QString& folder, const QString& filter,
                                          const QString& defaultName) {
    chooserCalls.append({QStringLiteral("save"), folder, filter, defaultName});
    if (m_fileNames.isEmpty()) {
        unanswered.append(QStringLiteral("save file chooser"));
        qWarning() << "ScriptedServices: no file name queued for a save chooser";
        return QString();
    }
    return m_fileNames.dequeue();
}

std::optional<FontChoice> ScriptedServices::chooseFont(const FontChoice& initial) {
    chooserCalls.append({QStringLiteral("font"), QString(), QString(), initial.faceName});
    if (m_fonts.isEmpty()) {
        unanswered.append(QStringLiteral("font chooser"));
        qWarning() << "ScriptedServices: no font queued";
        return std::nullopt;
    }
    return m_fonts.dequeue();
}

std::optional<QColor> ScriptedServices::chooseColor(const QColor& initial) {
    chooserCalls.append({QStringLiteral("color"), QString(), QString(), initial.name()});
    if (m_colors.isEmpty()) {
        unanswered.append(QStringLiteral("colour chooser"));
        qWarning() << "ScriptedServices: no colour queued";
        return std::nullopt;
    }
    return m_colors.dequeue();
}

PrinterChoice ScriptedServices::choosePrinter(QPrinter&, QWidget* parent) {
    lastPrinterParent = parent;
    chooserCalls.append({QStringLiteral("printer"), QString(), QString(), QString()});
    if (m_printers.isEmpty()) {
        unanswered.append(QStringLiteral("printer chooser"));
        qWarning() << "ScriptedServices: no printer choice queued";
        return PrinterChoice{true, 0};
    }
    return m_printers.dequeue();
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

QStringList ScriptedServices::messageTexts() const {
    QStringList texts;
    for (const Message& message : messages)
        texts.append(message.text);
    return texts;
}
