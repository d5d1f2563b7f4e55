#include "components/codepage/ShownText.h"

#include <gtest/gtest.h>

namespace {

TEST(ShownServerText, ControlCharactersBecomeBlanksAndLongTextsAreCut)
{
    struct Case {
        std::string sent;
        std::string shown;
    };
    const Case cases[] = {
        {"HTTP/1.1 200 OK", "HTTP/1.1 200 OK"},
        {"HTTP/1.1 200 O\x1b[31mK\r\n", "HTTP/1.1 200 O [31mK  "},
        {"Tab\there\x7f", "Tab here "},
        {"HTTP/1.1 200 Gr\xfc\xdf Gott", "HTTP/1.1 200 Gr\xfc\xdf Gott"},
        {std::string(200, 'x'), std::string(200, 'x')},
        {std::string(201, 'x'), std::string(200, 'x') + "..."},
        {"", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(netcomp::shownServerText(c.sent), c.shown) << c.sent.size();
    }
}

} // namespace
