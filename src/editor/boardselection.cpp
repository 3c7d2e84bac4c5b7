#include "editor/boardselection.h"

#include "services/services.h"

#include <QWidget>

void BoardSelection::select(Square square) {
    // The final question has one square, whatever question number it came with.
    if (square.isFinal())
        square.question = 1;
    m_square = square;
    emit changed(m_square);
}

bool CommandGuard::blocks() const {
    return m_box != nullptr && !m_box->isHidden();
}

bool CommandGuard::refuses() const {
    if (!blocks())
        return false;
    m_services.showMessage(QStringLiteral("Click Done or Cancel in the Multiple Choice Box First!"),
                           MessageButtons::Ok, MessageIcon::None, QString());
    return true;
}
