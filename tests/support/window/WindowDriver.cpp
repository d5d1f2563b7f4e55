#include "WindowDriver.h"

#include "ComboBox.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QStyleOptionComboBox>
#include <QTest>

namespace drive {

bool showActive(QWidget& window)
{
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

bool openListWithMouse(ComboBox& box)
{
    QStyleOptionComboBox option;
    option.initFrom(&box);
    option.editable = true;
    const QRect arrow = box.style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                     QStyle::SC_ComboBoxArrow, &box);
    QTest::mouseClick(&box, Qt::LeftButton, {}, arrow.center());
    return QTest::qWaitFor([&] { return box.view()->isVisible(); });
}

bool chooseWithMouse(ComboBox& box, const QString& item)
{
    const int row = box.findText(item, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (row < 0 || !openListWithMouse(box)) {
        return false;
    }
    QAbstractItemView* list = box.view();
    const QPoint centre = list->visualRect(box.model()->index(row, 0)).center();
    QTest::mouseMove(list->viewport(), centre);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
    return QTest::qWaitFor([&] { return !list->isVisible(); });
}

void chooseNextWithArrowKey(ComboBox& box)
{
    box.setFocus(Qt::OtherFocusReason);
    QTest::keyClick(&box, Qt::Key_Down);
}

void clickInto(QWidget& control)
{
    QTest::mouseClick(&control, Qt::LeftButton, {}, control.rect().center());
}

void type(QWidget& control, const QString& text)
{
    QTest::keyClicks(&control, text);
}

} // namespace drive
