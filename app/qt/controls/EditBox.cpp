#include "app/qt/controls/EditBox.h"

EditBox::EditBox(QWidget* parent) : QLineEdit(parent)
{
    connect(this, &QLineEdit::textChanged, this, &EditBox::changed);
}

void EditBox::mousePressEvent(QMouseEvent* event)
{
    m_click.press(*event);
    QLineEdit::mousePressEvent(event);
}

void EditBox::mouseReleaseEvent(QMouseEvent* event)
{
    QLineEdit::mouseReleaseEvent(event);
    if (m_click.release(*event, *this)) {
        emit clicked();
    }
}
