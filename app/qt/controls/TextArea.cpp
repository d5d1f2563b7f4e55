#include "app/qt/controls/TextArea.h"

#include <QTextCursor>

TextArea::TextArea(QWidget* parent) : QPlainTextEdit(parent)
{
}

void TextArea::setText(const QString& text)
{
    m_text = text;
    setPlainText(text);
}

void TextArea::appendLine(const QString& line)
{
    const QString added = line + u'\n';
    m_text += added;
    QTextCursor end(document());
    end.movePosition(QTextCursor::End);
    end.insertText(added);
}
