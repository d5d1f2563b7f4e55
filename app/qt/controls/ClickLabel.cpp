#include "app/qt/controls/ClickLabel.h"

ClickLabel::ClickLabel(const QString& caption, QWidget* parent) : QLabel(caption, parent)
{
}

void ClickLabel::mousePressEvent(QMouseEvent* event)
{
    m_click.press(*event);
    QLabel::mousePressEvent(event);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    if (m_click.release(*event, *this)) {
        emit clicked();
    }
}
