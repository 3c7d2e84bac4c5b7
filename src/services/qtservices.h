#pragma once

#include "services/modules.h"
#include "services/services.h"

#include <QPointer>
#include <QRandomGenerator>
#include <QSet>
#include <QWidget>

// The real platform: Qt's message boxes and choosers, the per-user
// settings the game writes, a clock-seeded random generator, and the media
// players and printer chooser of the modules loaded at their first use.
class QtServices : public Services {
public:
    // `moduleFolders`: where the media and print modules are looked for.
    explicit QtServices(QStringList moduleFolders = ModuleFolders());

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
    std::optional<QString> askText(const QString& prompt, const QString& initial) override;
    std::optional<FontChoice> chooseFont(const FontChoice& initial) override;
    std::optional<QColor> chooseColor(const QColor& initial) override;
    PrinterChoice choosePrinter(QPrinter& printer, QWidget* parent) override;
    QString readSetting(const QString& key, const QString& defaultValue) override;
    QStringList editorList(const QString& key) override;
    void setEditorList(const QString& key, const QStringList& values) override;
    float nextRandom() override;
    std::unique_ptr<MediaPlayer> createMediaPlayer(QWidget* videoParent) override;

    static const QString DefaultTitle; // "QuizmoraEditor"

private:
    // Tells the user, once for each, that `what` needs a module that failed to load.
    void ReportMissingModule(const QString& what, const QString& error);

    QPointer<QWidget> m_parent;
    QStringList m_moduleFolders;
    QSet<QString> m_missingModules;
    QRandomGenerator m_random;
};
