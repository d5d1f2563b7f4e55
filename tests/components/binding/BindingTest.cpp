#include "components/binding/CoreClass.h"
#include "components/wrappers/ENetCore.h"
#include "components/wrappers/TnetComponent.h"

#include <functional>
#include <gtest/gtest.h>
#include <stdexcept>
#include <vector>

namespace {

using netcomp::binding::CoreClass;
using netcomp::binding::CoreImage;

// No image: the library file beside the test executable is loaded by name.
CoreClass& fakeClass()
{
    static CoreClass coreClass("TnetFake", "NetComp_FAKE_", NETCOMP_FAKE_LIBRARY, CoreImage{});
    return coreClass;
}

class TnetFake : public TnetComponent {
public:
    explicit TnetFake(CoreClass& coreClass = fakeClass()) : TnetComponent(coreClass) {}

    int32_t value() const { return getInt(1); }
    void setValue(int32_t v) { setInt(1, v); }
    int32_t firings() const { return getInt(2); }
    void writeReadOnly() { setInt(2, 1); }
    void invoke(int32_t method) { call(method); }
    std::u16string item(int32_t index) { return getIndexedText(3, index, "ItemIndex"); }

    std::function<void(TnetFake&, const std::u16string&)> OnThing;
    std::vector<int32_t> firstFirings;

protected:
    bool eventFired(int32_t eventId, int32_t, intptr_t*, intptr_t*) override
    {
        firstFirings.push_back(eventId);
        return static_cast<bool>(OnThing);
    }
    void eventFiredUtf16(int32_t, int32_t, intptr_t* params, intptr_t* lengths) override
    {
        OnThing(*this, std::u16string(reinterpret_cast<const char16_t*>(params[0]),
                                      static_cast<std::size_t>(lengths[0])));
    }
};

TEST(Binding, MapsTheCoreOnceOverManyObjects)
{
    for (int i = 0; i < 1000; ++i) {
        TnetFake fake;
        fake.setValue(i);
        ASSERT_EQ(fake.value(), i);
    }
    EXPECT_EQ(fakeClass().mappings(), 1);
}

template <class E, class Fn> std::string messageOf(Fn&& fn)
{
    try {
        fn();
    } catch (const E& e) {
        return e.message();
    }
    return "(nothing raised)";
}

TEST(Binding, AMissingLibraryRaisesTheLoadErrorEveryTime)
{
    CoreClass missing("TnetMissing", "NetComp_FAKE_", "libnetcomp_missing.so", CoreImage{});
    for (int attempt = 0; attempt < 2; ++attempt) {
        EXPECT_EQ(messageOf<EOutOfMemory>([&] { TnetFake fake(missing); }),
                  "Could not load component library (libnetcomp_missing.so).");
    }
    EXPECT_EQ(missing.mappings(), 0);
}

TEST(Binding, AnImageWithoutElfSignatureIsNotMapped)
{
    static const unsigned char notElf[128] = {'M', 'Z'};
    CoreClass bogus("TnetBogus", "NetComp_FAKE_", "libnetcomp_bogus.so",
                    CoreImage{notElf, sizeof notElf});
    EXPECT_EQ(messageOf<EOutOfMemory>([&] { TnetFake fake(bogus); }),
              "Could not load component library (libnetcomp_bogus.so).");
}

TEST(Binding, ACoreThatCreatesNothingRaisesTheInitialisationError)
{
    CoreClass refusing("TnetNull", "NetComp_NULL_", NETCOMP_FAKE_LIBRARY, CoreImage{});
    EXPECT_EQ(messageOf<EOutOfMemory>([&] { TnetFake fake(refusing); }),
              "Error initializing TnetNull.");
}

TEST(Binding, FailuresRaiseENetCoreWithCodeAndLastErrorText)
{
    TnetFake fake;
    struct Case {
        int32_t method;
        int32_t code;
        const char* message;
    };
    for (const Case& c :
         {Case{1, 77, "77: "}, Case{3, 78, "78: Something broke \xC3\xA4."}, Case{4, 79, "79: "}}) {
        try {
            fake.invoke(c.method);
            ADD_FAILURE() << "method " << c.method << " raised nothing";
        } catch (const ENetCore& e) {
            EXPECT_EQ(e.code(), c.code);
            EXPECT_EQ(e.message(), c.message);
        }
    }
    EXPECT_EQ(messageOf<ENetCore>([&] { fake.writeReadOnly(); }), "203: Property is read-only.");
    // The object stays usable.
    fake.setValue(5);
    EXPECT_EQ(fake.value(), 5);
}

TEST(Binding, ACopiedENetCoreKeepsItsCode)
{
    const ENetCore original(151, "HTTP protocol error. 404 Not Found.");
    const ENetCore copy = original;
    EXPECT_EQ(copy.code(), 151);
    EXPECT_EQ(copy.message(), "151: HTTP protocol error. 404 Not Found.");
}

TEST(Binding, AnArrayReadChecksTheIndexFirst)
{
    TnetFake fake;
    EXPECT_EQ(messageOf<ENetCore>([&] { fake.item(7); }), "204: Invalid array index (ItemIndex).");
}

TEST(Binding, AnEventWithoutHandlerIsFiredOnceWithItsPlainId)
{
    TnetFake fake;
    fake.invoke(2);
    EXPECT_EQ(fake.firstFirings, std::vector<int32_t>{1});
    EXPECT_EQ(fake.firings(), 1);
}

TEST(Binding, AnEventWithHandlerIsFiredAgainInUtf16)
{
    TnetFake fake;
    std::u16string received;
    fake.OnThing = [&](TnetFake& sender, const std::u16string& text) {
        EXPECT_EQ(&sender, &fake);
        received = text;
    };
    fake.invoke(2);
    EXPECT_EQ(fake.firings(), 2);
    EXPECT_EQ(received, u"\u00E4");
}

TEST(Binding, AHandlerErrorIsRaisedWhenTheCallReturns)
{
    TnetFake fake;
    fake.OnThing = [](TnetFake&, const std::u16string&) { throw std::runtime_error("handler"); };
    EXPECT_THROW(fake.invoke(2), std::runtime_error);
    fake.OnThing = nullptr;
    EXPECT_NO_THROW(fake.invoke(2));
}

} // namespace
