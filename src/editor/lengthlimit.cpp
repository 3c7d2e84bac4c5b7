#include "editor/lengthlimit.h"

#include <QLineEdit>

LengthLimit::LengthLimit(int limit, QLineEdit* box) : QValidator(box), m_box(box), m_limit(limit) {
    m_acceptedLength = static_cast<int>(box->text().size());
    connect(box, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_acceptedLength = static_cast<int>(text.size()); });
    box->setValidator(this);
}

QValidator::State LengthLimit::validate(QString& input, int&) const {
    // The box counts as modified only while the user edits it; a text set
    // by code is always taken, and then stands as the length to keep to.
    if (!m_box->isModified())
        return Acceptable;
    if (input.size() <= m_limit || input.size() <= m_acceptedLength)
        return Acceptable;
    return Invalid;
}
