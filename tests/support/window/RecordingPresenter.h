#pragma once

#include "MessagePresenter.h"

#include <QStringList>

// Keeps the texts of the window's message boxes instead of showing them.
class RecordingPresenter : public MessagePresenter {
public:
    void inform(const QString& text) override { m_informations.append(text); }
    void error(const QString& text) override { m_errors.append(text); }

    const QStringList& informations() const { return m_informations; }
    const QStringList& errors() const { return m_errors; }
    void clear();

private:
    QStringList m_informations;
    QStringList m_errors;
};
