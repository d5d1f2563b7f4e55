#pragma once

#include "app/logic/MessagePresenter.h"

#include <windows.h>

// Shows each message in a modal message box with one OK button, titled with the
// executable's file name without its extension.
class MessageBoxPresenter : public MessagePresenter {
public:
    void inform(std::u16string_view text) override;
    void error(std::u16string_view text) override;

    // The window the boxes are modal to, once there is one.
    void setOwner(HWND owner) { m_owner = owner; }

private:
    void show(std::u16string_view text, UINT icon);

    HWND m_owner = nullptr;
};
