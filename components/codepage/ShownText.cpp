#include "components/codepage/ShownText.h"

namespace netcomp {

std::string shownServerText(std::string_view text)
{
    const bool cut = text.size() > kShownTextLimit;
    std::string shown(text.substr(0, kShownTextLimit));
    for (char& c : shown) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            c = ' ';
        }
    }
    if (cut) {
        shown += "...";
    }
    return shown;
}

} // namespace netcomp
