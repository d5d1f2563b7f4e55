#pragma once

#include <QPlainTextEdit>

// A multi-line text area the program writes into. text() gives back exactly what was
// set and appended, whatever line breaks it holds.
class TextArea : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit TextArea(QWidget* parent = nullptr);

    QString text() const { return m_text; }
    void setText(const QString& text);
    // Adds the line and one line break at the end.
    void appendLine(const QString& line);

private:
    QString m_text;
};
