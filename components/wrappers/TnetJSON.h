#pragma once

#include "components/wrappers/TnetComponent.h"
#include "components/wrappers/TnetEvents.h"

#include <functional>

// JSON parser component with a document tree navigated by path (XPath, XText).
class TnetJSON : public TnetComponent {
public:
    TnetJSON();
    ~TnetJSON() override;

    bool BuildDOM() const;
    void setBuildDOM(bool value);
    std::u16string InputData() const;
    void setInputData(std::u16string_view text);
    bool Overwrite() const;
    void setOverwrite(bool value);
    int32_t XChildCount() const;
    std::u16string XChildName(int32_t index);
    std::u16string XPath() const;
    void setXPath(std::u16string_view path);
    std::u16string XText() const;

    std::u16string Config(std::u16string_view setting);
    void Parse();
    void Reset();

    std::function<void(TnetJSON&, const TnetJSONTextEventParams&)> OnCharacters;
    std::function<void(TnetJSON&, const TnetJSONElementEventParams&)> OnEndElement;
    std::function<void(TnetJSON&, const TnetJSONErrorEventParams&)> OnError;
    std::function<void(TnetJSON&, const TnetJSONTextEventParams&)> OnIgnorableWhitespace;
    std::function<void(TnetJSON&, const TnetJSONTextEventParams&)> OnJSON;
    std::function<void(TnetJSON&, const TnetJSONElementEventParams&)> OnStartElement;

protected:
    bool eventFired(int32_t eventId, int32_t count, intptr_t* params, intptr_t* lengths) override;
    void eventFiredUtf16(int32_t eventId, int32_t count, intptr_t* params,
                         intptr_t* lengths) override;
};
