#pragma once

#include <QColor>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

class QPrinter;
class QWidget;

// Everything the program asks the user or takes from the platform goes
// through Services, so tests can answer dialogs and fix the random draws.

// SaveAnywayCancel answers SaveAnyway or Cancel; SaveAnywaySaveAsCancel also
// SaveAs; OpenAnywayCancel answers OpenAnyway or Cancel; RecoverDiscard
// answers Recover or Discard, and Cancel when closed without a choice;
// DiscardKeep answers Discard, or Cancel to keep; ImportAnywayCancel answers
// ImportAnyway or Cancel; ConvertCancel answers Convert or Cancel.
enum class MessageButtons {
    Ok,
    YesNo,
    YesNoCancel,
    SaveAnywayCancel,
    SaveAnywaySaveAsCancel,
    OpenAnywayCancel,
    RecoverDiscard,
    DiscardKeep,
    ImportAnywayCancel,
    ConvertCancel
};
enum class MessageIcon { None, Exclamation, Information, Critical, Question };
enum class MessageAnswer {
    Ok,
    Yes,
    No,
    Cancel,
    SaveAnyway,
    SaveAs,
    OpenAnyway,
    Recover,
    Discard,
    ImportAnyway,
    Convert
};

struct FontChoice {
    QString faceName;
    bool bold = false;
    bool italic = false;
};

// A save chooser's answer: the path ("" on cancel) and which of the filter's
// items (0 for the first) the user left selected.
struct SaveFileChoice {
    QString path;
    int filterIndex = 0;
};

struct PrinterChoice {
    bool cancelled = false;
    int copies = 1;
};

// A media player: open a file by path, play, stop, go to a position.
class MediaPlayer {
public:
    virtual ~MediaPlayer() = default;
    virtual void open(const QString& path) = 0;
    virtual void play() = 0;
    virtual void stop() = 0; // the next play starts from the beginning
    virtual void setPosition(double seconds) = 0;
    // Called when the player fails to open or play its media.
    std::function<void(const QString& description)> onError;
};

class Services {
public:
    virtual ~Services() = default;

    // Title "" means the application's default title.
    virtual MessageAnswer showMessage(const QString& text, MessageButtons buttons, MessageIcon icon,
                                      const QString& title) = 0;

    // Filters in the "desc|pattern|..." or NUL-separated form. "" on cancel.
    virtual QString getOpenFileName(const QString& folder, const QString& filter) = 0;
    virtual QString getSaveFileName(const QString& folder, const QString& filter,
                                    const QString& defaultName) = 0;
    // The same, telling which filter was chosen, for choices a filter stands for.
    virtual SaveFileChoice getSaveFileChoice(const QString& folder, const QString& filter,
                                             const QString& defaultName) = 0;
    // A folder chooser whose title says what the folder is for; "" on cancel.
    virtual QString getExistingDirectory(const QString& title, const QString& folder) = 0;

    // std::nullopt when the user cancels.
    virtual std::optional<FontChoice> chooseFont(const FontChoice& initial) = 0;
    virtual std::optional<QColor> chooseColor(const QColor& initial) = 0;
    // The chooser opens in front of `parent`, the window that asks for it.
    virtual PrinterChoice choosePrinter(QPrinter& printer, QWidget* parent) = 0;

    // Per-user settings of the game (organisation/application "QZV", group "Settings"); read only.
    virtual QString readSetting(const QString& key, const QString& defaultValue) = 0;

    // The editor's own preferences (recent files, ...), kept apart from the
    // game's settings under the editor's organisation and application name.
    virtual QStringList editorList(const QString& key) = 0;
    virtual void setEditorList(const QString& key, const QStringList& values) = 0;

    // Pseudo-random draws in [0, 1).
    virtual float nextRandom() = 0;

    // videoParent: the widget that shows the picture; nullptr for a sound player.
    virtual std::unique_ptr<MediaPlayer> createMediaPlayer(QWidget* videoParent) = 0;

    // One line the user types after `prompt`, starting as `initial`;
    // std::nullopt when the user cancels.
    virtual std::optional<QString> askText(const QString& prompt, const QString& initial) = 0;
};
