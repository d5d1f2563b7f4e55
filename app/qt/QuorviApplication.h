#pragma once

#include <QApplication>

class MessagePresenter;

// The GUI application: the tooltip style, and a last guard that turns an exception
// escaping any event into the general failure report instead of letting it cross Qt.
class QuorviApplication : public QApplication {
public:
    QuorviApplication(int& argc, char** argv, MessagePresenter& failures);

    bool notify(QObject* receiver, QEvent* event) override;

private:
    MessagePresenter& m_failures;
};
