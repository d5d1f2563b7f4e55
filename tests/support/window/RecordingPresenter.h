#pragma once

#include "app/logic/MessagePresenter.h"
#include "app/qt/TextConversion.h"

#include <QStringList>
#include <string_view>

// Keeps the texts of the window's message boxes instead of showing them.
class RecordingPresenter : public MessagePresenter {
public:
    void inform(std::u16string_view text) override { m_informations.append(toQString(text)); }
    void error(std::u16string_view text) override { m_errors.append(toQString(text)); }

    const QStringList& informations() const { return m_informations; }
    const QStringList& errors() const { return m_errors; }
    void clear();

private:
    QStringList m_informations;
    QStringList m_errors;
};
