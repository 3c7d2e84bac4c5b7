#pragma once

#include <QDialog>
#include <QStringList>

class QCheckBox;
class QLabel;
class QListWidget;

// The families a game set should name: the common Windows fonts the game's
// players have. Each is shown in the local font that stands in for it
// (Liberation Sans for Arial, and so on) where one is installed.
const QStringList& GameSetFontFamilies();
bool IsGameSetFontFamily(const QString& family);

// The font chooser of the Font button: one of the game's families with bold
// and italic, or, after a warning, any installed family.
class GameFontDialog : public QDialog {
    Q_OBJECT

public:
    GameFontDialog(const QString& family, bool bold, bool italic, QWidget* parent = nullptr);

    QString family() const;
    bool bold() const;
    bool italic() const;
    // Takes a family outside the list (what "Other Font..." does once the
    // author has agreed), adding it to the list.
    void useOtherFamily(const QString& family);

private:
    void showPreview();
    void chooseOtherFont();

    QListWidget* m_families;
    QCheckBox* m_bold;
    QCheckBox* m_italic;
    QLabel* m_preview;
};
