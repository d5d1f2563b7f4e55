#pragma once

#include "app/logic/MessagePresenter.h"

// Shows each message in a modal QMessageBox centred on the screen, titled with the
// application's name (the executable's file name without extension).
class MessageBoxPresenter : public MessagePresenter {
public:
    void inform(std::u16string_view text) override;
    void error(std::u16string_view text) override;
};
