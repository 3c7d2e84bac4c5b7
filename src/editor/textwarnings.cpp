// Warnings beside the text boxes, shown as the author types, about text a
// game set cannot hold as typed, and the question before such a save.

#include "editor/questionpanel.h"

#include "editor/lengthlimit.h"
#include "model/textloss.h"

namespace {

QLabel* WarningLabel(QWidget* parent, const QString& name, const QRect& place) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setGeometry(place);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QFont font = label->font();
    font.setPointSize(8);
    font.setBold(true);
    label->setFont(font);
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, QColor(255, 170, 60));
    label->setPalette(colours);
    label->hide();
    return label;
}

// What the box's last edit replaced ("A line break was replaced by a space.").
QString InputNotice(const QLineEdit* box) {
    const auto* rule = qobject_cast<const LengthLimit*>(box->validator());
    return rule ? rule->notice() : QString();
}

void ShowWarning(QLabel* label, const QStringList& lines) {
    label->setText(lines.join(QLatin1Char('\n')));
    label->setVisible(!lines.isEmpty());
}

} // namespace

void QuestionPanel::SetUpTextWarnings() {
    lblNameWarning = WarningLabel(this, QStringLiteral("lblNameWarning"), {20, 166, 222, 42});
    lblTextWarning = WarningLabel(this, QStringLiteral("lblTextWarning"), {450, 616, 560, 36});
    lblRecoveryProblem =
        WarningLabel(this, QStringLiteral("lblRecoveryProblem"), {20, 616, 420, 60});
    QList<QLineEdit*> boxes{m_categoryNameBox, m_ui.txtEnterQuestion, m_ui.txtAnswer};
    for (QLineEdit* box : txtEditAnswer)
        boxes << box;
    for (QLineEdit* box : boxes)
        connect(box, &QLineEdit::textChanged, this, &QuestionPanel::ShowTextWarnings);
}

void QuestionPanel::ShowTextWarnings() {
    if (!lblNameWarning)
        return; // the boxes are filled before the warnings exist
    QStringList nameLines;
    if (!m_categoryNameBox->isReadOnly()) {
        nameLines << InputNotice(m_categoryNameBox);
        nameLines << UnstorableCharactersText(UnstorableCharacters(m_categoryNameBox->text()));
    }
    nameLines.removeAll(QString());
    ShowWarning(lblNameWarning, nameLines);

    struct Box {
        QLineEdit* box;
        QString label;
        bool answer;
    };
    QList<Box> boxes{{m_ui.txtEnterQuestion, QStringLiteral("Question"), false},
                     {m_ui.txtAnswer, QStringLiteral("Answer"), true}};
    if (IsShown(m_ui.fraMultipleAnswers)) {
        for (int k = 0; k < 4; ++k)
            boxes.append({txtEditAnswer[k], QStringLiteral("Choice ") + QChar(u'A' + k), true});
    }
    QStringList lines;
    for (const Box& entry : boxes) {
        if (!IsShown(entry.box))
            continue;
        const QString text = entry.box->text();
        const QString notice = InputNotice(entry.box);
        if (!notice.isEmpty())
            lines << entry.label + QStringLiteral(": ") + notice;
        const QString characters = UnstorableCharactersText(UnstorableCharacters(text));
        if (!characters.isEmpty())
            lines << entry.label + QStringLiteral(": ") + characters;
        if (entry.answer && text.contains(QLatin1Char('^')))
            lines << entry.label + QStringLiteral(": ") + CaretInAnswerText();
    }
    ShowWarning(lblTextWarning, lines);
}

bool QuestionPanel::ConfirmTextLoss() {
    const QList<TextLoss> losses = FindTextLoss(m_document.game());
    if (losses.isEmpty())
        return true;
    // A long list is cut so the box still fits on the screen.
    constexpr int Shown = 10;
    QStringList lines;
    for (const TextLoss& loss : losses.mid(0, Shown))
        lines << DescribeTextLoss(loss);
    if (losses.size() > Shown)
        lines << QStringLiteral("... and %1 more").arg(losses.size() - Shown);
    const QString text = QStringLiteral("This text would not be saved as it is typed:\r\n\r\n") +
                         lines.join(QStringLiteral("\r\n")) +
                         QStringLiteral("\r\n\r\nSave anyway?");
    return m_services.showMessage(text, MessageButtons::SaveAnywayCancel, MessageIcon::Exclamation,
                                  QString()) == MessageAnswer::SaveAnyway;
}

void QuestionPanel::ShowRecoveryProblem(const QString& problem) {
    // Stays until a later copy is written: the author knows a crash would
    // lose the changes made since.
    ShowWarning(lblRecoveryProblem, problem.isEmpty() ? QStringList() : QStringList{problem});
}
