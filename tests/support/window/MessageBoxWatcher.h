#pragma once

#include <QMessageBox>
#include <QObject>
#include <QPoint>
#include <functional>

// What a message box looked like once it was up.
struct ShownMessageBox {
    QString title;
    QString text;
    Qt::TextFormat textFormat = Qt::AutoText;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    int buttonCount = 0;
    Qt::WindowModality modality = Qt::NonModal;
    bool activeModal = false;
    QPoint centre;
    QPoint screenCentre;
};

// Watches the whole application for message boxes: reports each one as soon as it is up
// and then presses its OK button, so code showing a real box runs on unattended.
class MessageBoxWatcher : public QObject {
public:
    explicit MessageBoxWatcher(std::function<void(const ShownMessageBox&)> report,
                               QObject* parent = nullptr);
    ~MessageBoxWatcher() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void(const ShownMessageBox&)> m_report;
};
