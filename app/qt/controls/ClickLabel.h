#pragma once

#include "app/qt/controls/MouseClick.h"

#include <QLabel>

// A label that raises clicked() when the left mouse button is pressed and released on it.
class ClickLabel : public QLabel {
    Q_OBJECT

public:
    explicit ClickLabel(const QString& caption, QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    MouseClick m_click;
};
