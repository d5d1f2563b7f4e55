#pragma once

#include <QMouseEvent>
#include <QWidget>

// Tells a click (left button pressed and released over the control) from a press that
// ends elsewhere. The control passes on its press and release events.
class MouseClick {
public:
    void press(const QMouseEvent& event) { m_pressed = event.button() == Qt::LeftButton; }

    // True when this release completes a click on the control.
    bool release(const QMouseEvent& event, const QWidget& control)
    {
        const bool click = m_pressed && event.button() == Qt::LeftButton &&
                           control.rect().contains(event.position().toPoint());
        m_pressed = false;
        return click;
    }

private:
    bool m_pressed = false;
};
