#include "editor/lengthlimit.h"

#include "util/textrules.h"

#include <QLineEdit>

#include <algorithm>

LengthLimit::LengthLimit(int limit, QLineEdit* box) : QValidator(box), m_box(box), m_limit(limit) {
    m_acceptedLength = static_cast<int>(box->text().size());
    connect(box, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_acceptedLength = static_cast<int>(text.size()); });
    box->setValidator(this);
}

QValidator::State LengthLimit::validate(QString& input, int& position) const {
    // The box counts as modified only while the user edits it; a text set
    // by code is always taken, and then stands as the length to keep to.
    // The box validates the text this produced once more: the notice stays.
    if (!m_notice.isEmpty() && input == m_replacedText)
        return Acceptable;
    m_notice.clear();
    if (!m_box->isModified())
        return Acceptable;
    m_notice = OneLineNotice(input);
    if (!m_notice.isEmpty()) {
        position = static_cast<int>(OneLineText(input.left(position)).size());
        input = OneLineText(input);
        m_replacedText = input;
    }
    // What was typed or pasted ends at the cursor: keep as much of it as fits.
    const int allowed = std::max(m_limit, m_acceptedLength);
    const int excess = static_cast<int>(input.size()) - allowed;
    if (excess <= 0)
        return Acceptable;
    if (excess > position)
        return Invalid;
    input.remove(position - excess, excess);
    position -= excess;
    return Acceptable;
}
