#include "app/qt/controls/ComboBox.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>

ComboBox::ComboBox(QWidget* parent) : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    // QComboBox picks a matching item when Return is pressed or the box loses focus;
    // here only a choice from the list picks one.
    disconnect(lineEdit(), SIGNAL(returnPressed()), this, nullptr);
    disconnect(lineEdit(), SIGNAL(editingFinished()), this, nullptr);

    connect(lineEdit(), &QLineEdit::textEdited, this, &ComboBox::changed);
    // Qt has already put the item's text into the box when it reports the choice.
    connect(this, &QComboBox::activated, this, [this] {
        emit clicked();
        emit changed();
    });
}

void ComboBox::setText(const QString& text)
{
    lineEdit()->setText(text);
}

void ComboBox::appendItem(const QString& item)
{
    changeItems([&] { addItem(item); });
}

void ComboBox::clearItems()
{
    changeItems([&] { clear(); });
}

template <typename Change> void ComboBox::changeItems(Change&& change)
{
    // QComboBox selects the first item added to an empty list and empties the text when
    // the list is cleared; neither may show.
    const QString shown = lineEdit()->text();
    const QSignalBlocker blocker(this);
    const int current = currentIndex();
    change();
    setCurrentIndex(current < count() ? current : -1);
    lineEdit()->setText(shown);
}

void ComboBox::showPopup()
{
    emit droppedDown();
    QComboBox::showPopup();
}

void ComboBox::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->ignore();
        return;
    }
    QComboBox::keyPressEvent(event);
}
