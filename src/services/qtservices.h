#pragma once

#include "services/services.h"

#include <QPointer>
#include <QRandomGenerator>
#include <QWidget>

// The real platform: Qt's message boxes and choosers, the per-user
// settings the game writes, a clock-seeded random generator and Qt
// Multimedia players.
class QtServices : public Services {
public:
    QtServices();

    // The window the dialogs belong to.
    void setParentWidget(QWidget* parent) { m_parent = parent; }

    MessageAnswer showMessage(const QString& text, MessageButtons buttons, MessageIcon icon,
                              const QString& title) override;
    QString getOpenFileName(const QString& folder, const QString& filter) override;
    QString getSaveFileName(const QString& folder, const QString& filter,
                            const QString& defaultName) override;
    SaveFileChoice getSaveFileChoice(const QString& folder, const QString& filter,
                                     const QString& defaultName) override;
    QString getExistingDirectory(const QString& title, const QString& folder) override;
    std::optional<FontChoice> chooseFont(const FontChoice& initial) override;
    std::optional<QColor> chooseColor(const QColor& initial) override;
    PrinterChoice choosePrinter(QPrinter& printer, QWidget* parent) override;
    QString readSetting(const QString& key, const QString& defaultValue) override;
    QStringList editorList(const QString& key) override;
    void setEditorList(const QString& key, const QStringList& values) override;
    float nextRandom() override;
    std::unique_ptr<MediaPlayer> createMediaPlayer(QWidget* videoParent) override;
    std::optional<QString> askText(const QString& prompt, const QString& initial) override;

    static const QString DefaultTitle; // "QuizmoraEditor"

private:
    QPointer<QWidget> m_parent;
    QRandomGenerator m_random;
};
