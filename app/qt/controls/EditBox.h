#pragma once

#include "app/qt/controls/MouseClick.h"

#include <QLineEdit>

// A single-line edit box that raises changed() after every change of its text, whether
// typed or set by the program (setting the text it already has is no change), and
// clicked() for a mouse click into it.
class EditBox : public QLineEdit {
    Q_OBJECT

public:
    explicit EditBox(QWidget* parent = nullptr);

signals:
    void changed();
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    MouseClick m_click;
};
