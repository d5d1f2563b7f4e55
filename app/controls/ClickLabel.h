#pragma once

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
    bool m_pressed = false;
};
