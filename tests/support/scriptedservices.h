#pragma once

#include "services/services.h"

#include <QList>
#include <QMap>
#include <QQueue>
#include <QStringList>
#include <functional>

// A media player that only records what it is asked to do.
class FakeMediaPlayer : public MediaPlayer {
public:
    explicit FakeMediaPlayer(bool video) : isVideo(video) {}

    void open(const QString& path) override { calls.append(QStringLiteral("open:") + path); }
    void play() override { calls.append(QStringLiteral("play")); }
    void stop() override { calls.append(QStringLiteral("stop")); }
    void setPosition(double seconds) override {
        calls.append(QStringLiteral("setPosition:") + QString::number(seconds));
    }

    const bool isVideo;
    QStringList calls; // "open:PATH", "play", "stop", "setPosition:SECONDS"
};

// Services for tests: questions and choosers are recorded and answered from
// queues; one with nothing queued lands in `unanswered` (Cancel or "").
class ScriptedServices : public Services {
public:
    struct Message {
        QString text;
        MessageButtons buttons;
        MessageIcon icon;
        QString title; // "" means the default title
    };
    struct ChooserCall {
        QString kind; // "open", "save", "folder", "text", "font", "color", "printer"
        QString folder;
        QString filter;
        QString defaultName;
    };

    // Answers, used in order.
    void setNextAnswer(MessageAnswer answer) { m_answers.enqueue(answer); }
    void setNextFileName(const QString& path) { m_fileNames.enqueue(path); }
    // The filter a save chooser asking for it reports; the first when none is queued.
    void setNextFilterIndex(int index) { m_filterIndexes.enqueue(index); }
    void setNextText(std::optional<QString> text) { m_texts.enqueue(text); }
    void setNextFont(std::optional<FontChoice> font) { m_fonts.enqueue(font); }
    void setNextColor(std::optional<QColor> color) { m_colors.enqueue(color); }
    void setNextPrinter(PrinterChoice choice) { m_printers.enqueue(choice); }
    void setSetting(const QString& key, const QString& value) { m_settings.insert(key, value); }
    void setNextRandom(float value) { m_randoms.enqueue(value); }
    // Answers queued that nothing has asked for yet: a script's slip.
    qsizetype unusedAnswers() const {
        return m_answers.size() + m_fileNames.size() + m_fonts.size() + m_colors.size();
    }

    MessageAnswer showMessage(const QString& text, MessageButtons buttons, MessageIcon icon,
                              const QString& title) override;
    QString getOpenFileName(const QString& folder, const QString& filter) override;
    QString getSaveFileName(const QString& folder, const QString& filter,
                            const QString& defaultName) override;
    SaveFileChoice getSaveFileChoice(const QString& folder, const QString& filter,
                                     const QString& defaultName) override {
        const QString path = getSaveFileName(folder, filter, defaultName);
        return {path, m_filterIndexes.isEmpty() ? 0 : m_filterIndexes.dequeue()};
    }
    // Answered from the file names' queue.
    QString getExistingDirectory(const QString& title, const QString& folder) override;
    std::optional<QString> askText(const QString& prompt, const QString& initial) override;
    std::optional<FontChoice> chooseFont(const FontChoice& initial) override;
    std::optional<QColor> chooseColor(const QColor& initial) override;
    PrinterChoice choosePrinter(QPrinter& printer, QWidget* parent) override;
    QString readSetting(const QString& key, const QString& defaultValue) override;
    QStringList editorList(const QString& key) override { return editorLists.value(key); }
    void setEditorList(const QString& key, const QStringList& values) override {
        editorLists.insert(key, values);
    }
    float nextRandom() override; // 0.0 once the queue is empty
    std::unique_ptr<MediaPlayer> createMediaPlayer(QWidget* videoParent) override;

    QMap<QString, QStringList> editorLists; // the editor's own preferences
    QList<Message> messages;
    QList<ChooserCall> chooserCalls;
    QStringList settingsRead;
    int randomDraws = 0;
    QStringList unanswered;          // questions asked with nothing queued
    QList<FakeMediaPlayer*> players; // in creation order; owned by their window

    // The texts of the messages shown so far.
    QStringList messageTexts() const;

private:
    QQueue<MessageAnswer> m_answers;
    QQueue<QString> m_fileNames;
    QQueue<int> m_filterIndexes;
    QQueue<std::optional<QString>> m_texts;
    QQueue<std::optional<FontChoice>> m_fonts;
    QQueue<std::optional<QColor>> m_colors;
    QQueue<PrinterChoice> m_printers;
    QQueue<float> m_randoms;
    QMap<QString, QString> m_settings;
};
