#pragma once

#include <string_view>

// Where the window's message boxes go. The program shows them; tests record them.
// Both calls return when the user has closed the box.
class MessagePresenter {
public:
    virtual ~MessagePresenter() = default;

    // A modal box with the text, one OK button and no icon.
    virtual void inform(std::u16string_view text) = 0;
    // The same with the error icon.
    virtual void error(std::u16string_view text) = 0;
};
