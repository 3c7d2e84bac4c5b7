#include "services/gamefontdialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QFontInfo>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

const QStringList& GameSetFontFamilies() {
    static const QStringList families{
        QStringLiteral("Arial"),          QStringLiteral("Arial Black"),
        QStringLiteral("Comic Sans MS"),  QStringLiteral("Courier New"),
        QStringLiteral("Georgia"),        QStringLiteral("Impact"),
        QStringLiteral("Lucida Console"), QStringLiteral("Palatino Linotype"),
        QStringLiteral("Tahoma"),         QStringLiteral("Times New Roman"),
        QStringLiteral("Trebuchet MS"),   QStringLiteral("Verdana")};
    return families;
}

namespace {

// A family's name shown in the font that stands in for it here, when that is
// the family itself or a metric-compatible one; otherwise (a symbol font
// picked as the nearest match, say) in the list's own font.
QFont ListFont(const QString& family, const QFont& fallback) {
    static const QStringList compatible{
        QStringLiteral("Liberation Sans"), QStringLiteral("Liberation Serif"),
        QStringLiteral("Liberation Mono"), QStringLiteral("Comic Neue")};
    QFont font(family, 12);
    const QString shown = QFontInfo(font).family();
    if (shown.compare(family, Qt::CaseInsensitive) == 0 || compatible.contains(shown))
        return font;
    return fallback;
}

} // namespace

bool IsGameSetFontFamily(const QString& family) {
    return GameSetFontFamilies().contains(family, Qt::CaseInsensitive);
}

GameFontDialog::GameFontDialog(const QString& family, bool bold, bool italic, QWidget* parent)
    : QDialog(parent), m_families(new QListWidget(this)), m_bold(new QCheckBox(tr("&Bold"), this)),
      m_italic(new QCheckBox(tr("&Italic"), this)),
      m_preview(new QLabel(tr("The capital of France"), this)) {
    setWindowTitle(tr("Font"));
    m_families->setObjectName(QStringLiteral("lstFontFamilies"));
    for (const QString& name : GameSetFontFamilies()) {
        auto* item = new QListWidgetItem(name, m_families);
        item->setFont(ListFont(name, m_families->font()));
    }
    m_bold->setChecked(bold);
    m_italic->setChecked(italic);
    m_preview->setMinimumHeight(60);
    m_preview->setAlignment(Qt::AlignCenter);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton* other = buttons->addButton(tr("&Other Font..."), QDialogButtonBox::ActionRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(other, &QPushButton::clicked, this, &GameFontDialog::chooseOtherFont);
    connect(m_families, &QListWidget::currentRowChanged, this, &GameFontDialog::showPreview);
    connect(m_bold, &QCheckBox::toggled, this, &GameFontDialog::showPreview);
    connect(m_italic, &QCheckBox::toggled, this, &GameFontDialog::showPreview);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Fonts the game's players have:"), this));
    layout->addWidget(m_families);
    layout->addWidget(m_bold);
    layout->addWidget(m_italic);
    layout->addWidget(m_preview);
    layout->addWidget(buttons);

    // Opens at the question's own font, even one from outside the list.
    const QList<QListWidgetItem*> found = m_families->findItems(family, Qt::MatchFixedString);
    if (!found.isEmpty())
        m_families->setCurrentItem(found.first());
    else if (!family.trimmed().isEmpty())
        useOtherFamily(family);
    showPreview();
}

QString GameFontDialog::family() const {
    const QListWidgetItem* item = m_families->currentItem();
    return item ? item->text() : QString();
}

bool GameFontDialog::bold() const {
    return m_bold->isChecked();
}

bool GameFontDialog::italic() const {
    return m_italic->isChecked();
}

void GameFontDialog::useOtherFamily(const QString& family) {
    QList<QListWidgetItem*> found = m_families->findItems(family, Qt::MatchFixedString);
    QListWidgetItem* item =
        found.isEmpty() ? new QListWidgetItem(family, m_families) : found.first();
    item->setFont(ListFont(family, m_families->font()));
    m_families->setCurrentItem(item);
}

void GameFontDialog::showPreview() {
    QFont font(family(), 20);
    font.setBold(bold());
    font.setItalic(italic());
    m_preview->setFont(font);
}

void GameFontDialog::chooseOtherFont() {
    QFont start(family());
    bool accepted = false;
    const QFont chosen = QFontDialog::getFont(&accepted, start, this);
    if (!accepted || IsGameSetFontFamily(chosen.family())) {
        if (accepted)
            useOtherFamily(chosen.family());
        return;
    }
    // The game shows a font its player lacks in another one, with other widths.
    const auto answer = QMessageBox::question(
        this, tr("Font"),
        tr("\"%1\" is not one of the fonts the game's players are likely to have. On a computer "
           "without it the game shows another font, and the question may no longer fit. Use it "
           "anyway?")
            .arg(chosen.family()));
    if (answer == QMessageBox::Yes)
        useOtherFamily(chosen.family());
}
