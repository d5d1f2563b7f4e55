#pragma once

#include <QComboBox>

// An editable combo box with the events the input workflow relies on:
// - a choice from the list (mouse, or arrow keys and wheel on the closed box) puts the
//   item's text into the box, then raises clicked(), then changed(), in one step;
// - typing or deleting in the text field raises changed() after each edit;
// - opening the list raises droppedDown() before it shows.
// The list holds exactly the items the program added: the user inserts nothing, Return
// and leaving the box choose nothing, and there is no completion. Adding or removing
// items keeps the text the box shows.
class ComboBox : public QComboBox {
    Q_OBJECT

public:
    explicit ComboBox(QWidget* parent = nullptr);

    QString text() const { return currentText(); }
    // Raises no event.
    void setText(const QString& text);
    void appendItem(const QString& item);
    void clearItems();

    void showPopup() override;

signals:
    void changed();
    void clicked();
    void droppedDown();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    template <typename Change> void changeItems(Change&& change);
};
