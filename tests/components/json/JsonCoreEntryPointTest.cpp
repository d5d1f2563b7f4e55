#include "components/binding/CoreClass.h"
#include "components/cores/netcomp_api.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

// Drives the JSON core by ids only, through the entry points the binding resolves.
namespace {

// One firing as the sink saw it; texts decoded according to the id.
struct Fired {
    int32_t id;
    std::vector<std::string> texts;
    std::vector<std::u16string> texts16;
    std::vector<netcomp_value> numbers;
};

struct Sink {
    int32_t answer = 0;
    std::vector<Fired> fired;
    // Runs inside each event, after it was recorded.
    std::function<void(int32_t id)> during;

    static int32_t callback(void* context, int32_t id, int32_t count, netcomp_value* params,
                            netcomp_value* lengths)
    {
        auto* self = static_cast<Sink*>(context);
        Fired f{id, {}, {}, {}};
        for (int32_t i = 0; i < count; ++i) {
            const bool isCode = (id % NETCOMP_ID_UTF16) == NETCOMP_JSON_EVENT_ON_ERROR && i == 0;
            if (isCode) {
                f.numbers.push_back(params[i]);
            } else if (id >= NETCOMP_ID_UTF16) {
                f.texts16.emplace_back(reinterpret_cast<const char16_t*>(params[i]),
                                       static_cast<std::size_t>(lengths[i]));
            } else {
                f.texts.emplace_back(reinterpret_cast<const char*>(params[i]),
                                     static_cast<std::size_t>(lengths[i]));
            }
        }
        self->fired.push_back(std::move(f));
        if (self->during) {
            self->during(id);
        }
        return id < NETCOMP_ID_UTF16 ? self->answer : 0;
    }

    std::vector<int32_t> ids() const
    {
        std::vector<int32_t> result;
        for (const Fired& f : fired) {
            result.push_back(f.id);
        }
        return result;
    }
};

constexpr int32_t kU16 = NETCOMP_ID_UTF16;

class JsonCoreEntryPointTest : public testing::Test {
protected:
    static void SetUpTestSuite() { s_api = netcomp::binding::jsonCoreClass().entryPoints(); }

    void SetUp() override
    {
        ASSERT_NE(s_api.create, nullptr);
        m_handle = s_api.create(&Sink::callback, &m_sink, 0);
        ASSERT_NE(m_handle, nullptr);
    }
    void TearDown() override
    {
        if (m_handle) {
            s_api.destroy(m_handle);
        }
    }

    int32_t setText(int32_t id, const std::u16string& text)
    {
        return s_api.set(m_handle, id + kU16, 0, reinterpret_cast<netcomp_value>(text.c_str()), 0);
    }
    std::u16string getText(int32_t id, int32_t index = 0)
    {
        int32_t length = -1;
        const auto value = s_api.get(m_handle, id + kU16, index, &length);
        if (!value) {
            return u"<null>";
        }
        return std::u16string(reinterpret_cast<const char16_t*>(value),
                              static_cast<std::size_t>(length));
    }
    std::string getBytes(int32_t id)
    {
        int32_t length = -1;
        const auto value = s_api.get(m_handle, id, 0, &length);
        return std::string(reinterpret_cast<const char*>(value), static_cast<std::size_t>(length));
    }
    int32_t call(int32_t method)
    {
        netcomp_value slots[1] = {0};
        netcomp_value lengths[1] = {0};
        return s_api.doMethod(m_handle, method + kU16, 0, slots, lengths);
    }
    // Config with the UTF-16 protocol; result holds the returned text.
    int32_t config(const std::u16string& setting, std::u16string& result)
    {
        netcomp_value slots[2] = {reinterpret_cast<netcomp_value>(setting.c_str()), 0};
        netcomp_value lengths[2] = {0, 0};
        const int32_t code =
            s_api.doMethod(m_handle, NETCOMP_JSON_METHOD_CONFIG + kU16, 1, slots, lengths);
        if (code == 0) {
            result.assign(reinterpret_cast<const char16_t*>(slots[1]),
                          static_cast<std::size_t>(lengths[1]));
        }
        return code;
    }
    int32_t parse(const std::u16string& input)
    {
        const int32_t code = setText(NETCOMP_JSON_PROP_INPUT_DATA, input);
        return code ? code : call(NETCOMP_JSON_METHOD_PARSE);
    }
    std::string lastError() const
    {
        const char* text = s_api.getLastError(m_handle);
        return text ? text : "<null>";
    }

    static inline netcomp::CoreEntryPoints s_api;
    Sink m_sink;
    void* m_handle = nullptr;
};

TEST_F(JsonCoreEntryPointTest, ParsesAndSelectsByPath)
{
    std::u16string result;
    ASSERT_EQ(config(u"StringProcessingOptions=3", result), 0);
    EXPECT_EQ(result, u"3");
    ASSERT_EQ(parse(uR"({"Params":[{"Param":"Blei","Limit":0.01},{"Param":"Nitrat ä"}]})"), 0);
    EXPECT_EQ(getText(NETCOMP_JSON_PROP_INPUT_DATA), u"");

    ASSERT_EQ(setText(NETCOMP_JSON_PROP_XPATH, u"/json/Params/[2]/Param"), 0);
    EXPECT_EQ(getText(NETCOMP_JSON_PROP_XTEXT), u"Nitrat ä");
    EXPECT_EQ(getBytes(NETCOMP_JSON_PROP_XTEXT), "Nitrat \xE4");
    EXPECT_EQ(getText(NETCOMP_JSON_PROP_XPATH), u"/json/Params/[2]/Param");

    ASSERT_EQ(setText(NETCOMP_JSON_PROP_XPATH, u"/json/Params/[1]"), 0);
    EXPECT_EQ(s_api.get(m_handle, NETCOMP_JSON_PROP_XCHILD_COUNT, 0, nullptr), 2);
    EXPECT_EQ(s_api.checkIndex(m_handle, NETCOMP_JSON_PROP_XCHILD_NAME + kU16, 1), 0);
    EXPECT_EQ(getText(NETCOMP_JSON_PROP_XCHILD_NAME, 1), u"Limit");
    EXPECT_EQ(getText(NETCOMP_JSON_PROP_XTEXT), uR"({"Param":"Blei","Limit":0.01})");
    ASSERT_EQ(setText(NETCOMP_JSON_PROP_XPATH, u"Limit"), 0);
    EXPECT_EQ(getText(NETCOMP_JSON_PROP_XTEXT), u"0.01");
}

TEST_F(JsonCoreEntryPointTest, StringOptionsZeroKeepsQuotes)
{
    std::u16string result;
    ASSERT_EQ(config(u"StringProcessingOptions", result), 0);
    EXPECT_EQ(result, u"0");
    ASSERT_EQ(parse(uR"({"Params":"a\u00e4"})"), 0);
    EXPECT_EQ(setText(NETCOMP_JSON_PROP_XPATH, u"/json/Params"), NETCOMP_ERR_XPATH);
    ASSERT_EQ(setText(NETCOMP_JSON_PROP_XPATH, u"/json/[1]"), 0);
    EXPECT_EQ(getText(NETCOMP_JSON_PROP_XTEXT), uR"("a\u00e4")");
}

TEST_F(JsonCoreEntryPointTest, ErrorsCarryCodesAndTexts)
{
    EXPECT_EQ(setText(NETCOMP_JSON_PROP_XPATH, u"/json"), NETCOMP_ERR_NO_DOM);
    EXPECT_EQ(lastError(), "DOM tree unavailable (set BuildDOM to TRUE and reparse).");
    EXPECT_EQ(s_api.getLastErrorCode(m_handle), NETCOMP_ERR_NO_DOM);

    ASSERT_EQ(parse(uR"({"a":"x"})"), 0);
    ASSERT_EQ(setText(NETCOMP_JSON_PROP_XPATH, u"/json/[1]"), 0);
    EXPECT_EQ(setText(NETCOMP_JSON_PROP_XPATH, u"/json/b"), NETCOMP_ERR_XPATH);
    EXPECT_EQ(lastError(), "Invalid XPath.");
    EXPECT_EQ(getText(NETCOMP_JSON_PROP_XTEXT), uR"("x")");
    EXPECT_EQ(getText(NETCOMP_JSON_PROP_XPATH), u"/json/[1]");

    EXPECT_EQ(parse(uR"({"b":1})"), NETCOMP_ERR_JSON_MARKUP);
    EXPECT_EQ(lastError(), "Invalid JSON markup.");
    EXPECT_EQ(getText(NETCOMP_JSON_PROP_XTEXT), uR"("x")");

    std::u16string result;
    EXPECT_EQ(config(u"Colour=red", result), NETCOMP_ERR_UNKNOWN_SETTING);
    EXPECT_EQ(lastError(), "Unknown configuration setting (Colour).");
    EXPECT_EQ(config(u"StringProcessingOptions=4", result), NETCOMP_ERR_INVALID_VALUE);
    EXPECT_EQ(lastError(), "Invalid value for StringProcessingOptions (4).");

    const std::u16string input = u"{}";
    for (int32_t id :
         {int32_t{NETCOMP_JSON_PROP_INPUT_DATA}, NETCOMP_JSON_PROP_INPUT_DATA + kU16}) {
        EXPECT_EQ(s_api.set(m_handle, id, 0, reinterpret_cast<netcomp_value>(input.c_str()), -5),
                  NETCOMP_ERR_INVALID_VALUE);
        EXPECT_EQ(lastError(), "Invalid text length (-5).");
    }

    EXPECT_EQ(setText(NETCOMP_JSON_PROP_XTEXT, u"x"), NETCOMP_ERR_READ_ONLY);
    EXPECT_EQ(s_api.set(m_handle, NETCOMP_JSON_PROP_XCHILD_COUNT, 0, 1, 0), NETCOMP_ERR_READ_ONLY);
    EXPECT_EQ(s_api.get(m_handle, 99, 0, nullptr), 0);
    EXPECT_EQ(s_api.getLastErrorCode(m_handle), NETCOMP_ERR_UNKNOWN_PROPERTY);
    EXPECT_EQ(call(99), NETCOMP_ERR_UNKNOWN_METHOD);

    EXPECT_EQ(s_api.checkIndex(m_handle, NETCOMP_JSON_PROP_XCHILD_NAME, 0),
              NETCOMP_ERR_INVALID_INDEX);
    EXPECT_EQ(s_api.get(m_handle, NETCOMP_JSON_PROP_XCHILD_NAME, -1, nullptr), 0);
    EXPECT_EQ(s_api.getLastErrorCode(m_handle), NETCOMP_ERR_INVALID_INDEX);
    EXPECT_EQ(lastError(), "Invalid array index (XChildName).");

    EXPECT_EQ(call(NETCOMP_JSON_METHOD_RESET), 0);
    EXPECT_EQ(s_api.getLastError(m_handle), nullptr);
    EXPECT_EQ(s_api.getLastErrorCode(m_handle), 0);
}

TEST_F(JsonCoreEntryPointTest, ResetDropsTreeAndInputButKeepsSettings)
{
    std::u16string result;
    ASSERT_EQ(config(u"StringProcessingOptions=1", result), 0);
    ASSERT_EQ(s_api.set(m_handle, NETCOMP_JSON_PROP_BUILD_DOM, 0, 1, 0), 0);
    ASSERT_EQ(parse(uR"({"a":"first"})"), 0);
    ASSERT_EQ(setText(NETCOMP_JSON_PROP_INPUT_DATA, u"{\"b\":"), 0);
    ASSERT_EQ(call(NETCOMP_JSON_METHOD_RESET), 0);
    EXPECT_EQ(getText(NETCOMP_JSON_PROP_INPUT_DATA), u"");
    EXPECT_EQ(getText(NETCOMP_JSON_PROP_XTEXT), u"");
    EXPECT_EQ(getText(NETCOMP_JSON_PROP_XPATH), u"");
    EXPECT_EQ(s_api.get(m_handle, NETCOMP_JSON_PROP_XCHILD_COUNT, 0, nullptr), 0);

    EXPECT_EQ(parse(u""), 0);
    EXPECT_EQ(setText(NETCOMP_JSON_PROP_XPATH, u"/json"), NETCOMP_ERR_NO_DOM);

    ASSERT_EQ(parse(uR"({"a":"second"})"), 0);
    ASSERT_EQ(setText(NETCOMP_JSON_PROP_XPATH, u"/json/A"), 0);
    EXPECT_EQ(getText(NETCOMP_JSON_PROP_XTEXT), u"second");
    ASSERT_EQ(config(u"stringprocessingoptions", result), 0);
    EXPECT_EQ(result, u"1");
    EXPECT_EQ(s_api.get(m_handle, NETCOMP_JSON_PROP_BUILD_DOM, 0, nullptr), 1);
}

TEST_F(JsonCoreEntryPointTest, PropertiesKeepTheirValues)
{
    EXPECT_EQ(s_api.get(m_handle, NETCOMP_JSON_PROP_BUILD_DOM, 0, nullptr), 1);
    EXPECT_EQ(s_api.get(m_handle, NETCOMP_JSON_PROP_OVERWRITE, 0, nullptr), 0);
    ASSERT_EQ(s_api.set(m_handle, NETCOMP_JSON_PROP_OVERWRITE, 0, 1, 0), 0);
    EXPECT_EQ(s_api.get(m_handle, NETCOMP_JSON_PROP_OVERWRITE, 0, nullptr), 1);
    ASSERT_EQ(setText(NETCOMP_JSON_PROP_INPUT_DATA, u"[\"ä\"]"), 0);
    EXPECT_EQ(getText(NETCOMP_JSON_PROP_INPUT_DATA), u"[\"ä\"]");
    EXPECT_EQ(getBytes(NETCOMP_JSON_PROP_INPUT_DATA), "[\"\xE4\"]");

    std::u16string result;
    ASSERT_EQ(config(u"CodePage=65001", result), 0);
    EXPECT_EQ(result, u"65001");
    ASSERT_EQ(parse(u"[\"\u00e4\"]"), 0);
    ASSERT_EQ(setText(NETCOMP_JSON_PROP_XPATH, u"/json/[1]"), 0);
    EXPECT_EQ(getBytes(NETCOMP_JSON_PROP_XTEXT), "\"\xC3\xA4\"");
}

TEST_F(JsonCoreEntryPointTest, BuildDomOffValidatesAndFiresWithoutTree)
{
    ASSERT_EQ(s_api.set(m_handle, NETCOMP_JSON_PROP_BUILD_DOM, 0, 0, 0), 0);
    EXPECT_EQ(s_api.get(m_handle, NETCOMP_JSON_PROP_BUILD_DOM, 0, nullptr), 0);
    EXPECT_EQ(parse(u"[1,]"), NETCOMP_ERR_JSON_MARKUP);
    ASSERT_EQ(call(NETCOMP_JSON_METHOD_RESET), 0);
    m_sink.fired.clear();
    ASSERT_EQ(parse(u"[1]"), 0);
    EXPECT_EQ(m_sink.fired.size(), 6u);
    EXPECT_EQ(setText(NETCOMP_JSON_PROP_XPATH, u"/json"), NETCOMP_ERR_NO_DOM);
    EXPECT_EQ(parse(u"[2]"), NETCOMP_ERR_JSON_MARKUP);
}

TEST_F(JsonCoreEntryPointTest, ChangingBuildDomKeepsTree)
{
    ASSERT_EQ(parse(u"[1]"), 0);
    ASSERT_EQ(s_api.set(m_handle, NETCOMP_JSON_PROP_BUILD_DOM, 0, 0, 0), 0);
    ASSERT_EQ(setText(NETCOMP_JSON_PROP_XPATH, u"/json/[1]"), 0);
    EXPECT_EQ(getText(NETCOMP_JSON_PROP_XTEXT), u"1");
}

TEST_F(JsonCoreEntryPointTest, EventsWithoutHandlerFireOnceWithPlainIds)
{
    std::u16string result;
    ASSERT_EQ(config(u"StringProcessingOptions=3", result), 0);
    ASSERT_EQ(parse(u" {\"a\":[\"x\"]}\n"), 0);
    const std::vector<int32_t> expected = {NETCOMP_JSON_EVENT_ON_IGNORABLE_WHITESPACE,
                                           NETCOMP_JSON_EVENT_ON_START_ELEMENT,
                                           NETCOMP_JSON_EVENT_ON_START_ELEMENT,
                                           NETCOMP_JSON_EVENT_ON_START_ELEMENT,
                                           NETCOMP_JSON_EVENT_ON_CHARACTERS,
                                           NETCOMP_JSON_EVENT_ON_END_ELEMENT,
                                           NETCOMP_JSON_EVENT_ON_END_ELEMENT,
                                           NETCOMP_JSON_EVENT_ON_END_ELEMENT,
                                           NETCOMP_JSON_EVENT_ON_JSON,
                                           NETCOMP_JSON_EVENT_ON_IGNORABLE_WHITESPACE};
    EXPECT_EQ(m_sink.ids(), expected);
    const std::vector<std::vector<std::string>> texts = {
        {" "}, {"json"}, {"a"}, {""}, {"x"}, {""}, {"a"}, {"json"}, {"{\"a\":[\"x\"]}"}, {"\n"}};
    ASSERT_EQ(m_sink.fired.size(), texts.size());
    for (std::size_t i = 0; i < texts.size(); ++i) {
        EXPECT_EQ(m_sink.fired[i].texts, texts[i]) << i;
    }

    m_sink.fired.clear();
    ASSERT_EQ(parse(u"  "), 0);
    ASSERT_EQ(m_sink.fired.size(), 1u);
    EXPECT_EQ(m_sink.fired[0].id, NETCOMP_JSON_EVENT_ON_IGNORABLE_WHITESPACE);
    EXPECT_EQ(m_sink.fired[0].texts, std::vector<std::string>{"  "});
}

TEST_F(JsonCoreEntryPointTest, EventsWithHandlerFireTwice)
{
    m_sink.answer = NETCOMP_EVENT_WANT_UTF16;
    ASSERT_EQ(parse(u"\"ä\""), 0);
    const std::vector<int32_t> expected = {
        NETCOMP_JSON_EVENT_ON_START_ELEMENT, NETCOMP_JSON_EVENT_ON_START_ELEMENT + kU16,
        NETCOMP_JSON_EVENT_ON_CHARACTERS,    NETCOMP_JSON_EVENT_ON_CHARACTERS + kU16,
        NETCOMP_JSON_EVENT_ON_END_ELEMENT,   NETCOMP_JSON_EVENT_ON_END_ELEMENT + kU16,
        NETCOMP_JSON_EVENT_ON_JSON,          NETCOMP_JSON_EVENT_ON_JSON + kU16};
    EXPECT_EQ(m_sink.ids(), expected);
    EXPECT_EQ(m_sink.fired[2].texts, std::vector<std::string>{"\"\xE4\""});
    EXPECT_EQ(m_sink.fired[3].texts16, std::vector<std::u16string>{u"\"ä\""});
    EXPECT_EQ(m_sink.fired[1].texts16, std::vector<std::u16string>{u"json"});
}

TEST_F(JsonCoreEntryPointTest, FailedParseFiresOnError)
{
    m_sink.answer = NETCOMP_EVENT_WANT_UTF16;
    ASSERT_EQ(parse(u"{\"a\" 1}"), NETCOMP_ERR_JSON_MARKUP);
    ASSERT_EQ(m_sink.fired.size(), 2u);
    EXPECT_EQ(m_sink.fired[0].id, NETCOMP_JSON_EVENT_ON_ERROR);
    EXPECT_EQ(m_sink.fired[0].numbers, std::vector<netcomp_value>{NETCOMP_ERR_JSON_MARKUP});
    EXPECT_EQ(m_sink.fired[0].texts, std::vector<std::string>{"Invalid JSON markup."});
    EXPECT_EQ(m_sink.fired[1].id, NETCOMP_JSON_EVENT_ON_ERROR + kU16);
    EXPECT_EQ(m_sink.fired[1].texts16, std::vector<std::u16string>{u"Invalid JSON markup."});
}

TEST_F(JsonCoreEntryPointTest, IncompleteInputParsesOnLater)
{
    ASSERT_EQ(parse(u"{\"a\":"), 0);
    EXPECT_TRUE(m_sink.fired.empty());
    EXPECT_EQ(setText(NETCOMP_JSON_PROP_XPATH, u"/json"), NETCOMP_ERR_NO_DOM);
    ASSERT_EQ(parse(u"2}"), 0);
    ASSERT_EQ(setText(NETCOMP_JSON_PROP_XPATH, u"/json/[1]"), 0);
    EXPECT_EQ(getText(NETCOMP_JSON_PROP_XTEXT), u"2");
}

TEST_F(JsonCoreEntryPointTest, ParseAndResetFromInsideAnEventAreRefusedAsBusy)
{
    std::vector<int32_t> answers;
    std::vector<std::string> texts;
    m_sink.during = [&](int32_t id) {
        if (id != NETCOMP_JSON_EVENT_ON_START_ELEMENT || !answers.empty()) {
            return;
        }
        ASSERT_EQ(setText(NETCOMP_JSON_PROP_INPUT_DATA, u"[2]"), 0);
        for (int32_t method : {NETCOMP_JSON_METHOD_PARSE, NETCOMP_JSON_METHOD_RESET}) {
            answers.push_back(call(method));
            texts.push_back(lastError());
        }
    };
    ASSERT_EQ(parse(uR"({"a":["x","y"]})"), 0);
    m_sink.during = nullptr;

    EXPECT_EQ(answers, (std::vector<int32_t>{NETCOMP_ERR_BUSY, NETCOMP_ERR_BUSY}));
    EXPECT_EQ(texts, (std::vector<std::string>{"Busy performing current action.",
                                               "Busy performing current action."}));
    // The running parse went on to its end, with its tree whole.
    EXPECT_EQ(m_sink.ids().back(), NETCOMP_JSON_EVENT_ON_JSON);
    ASSERT_EQ(setText(NETCOMP_JSON_PROP_XPATH, u"/json/[1]"), 0);
    EXPECT_EQ(s_api.get(m_handle, NETCOMP_JSON_PROP_XCHILD_COUNT, 0, nullptr), 2);
    // Outside the events both work again.
    EXPECT_EQ(call(NETCOMP_JSON_METHOD_RESET), 0);
    EXPECT_EQ(parse(u"[3]"), 0);
}

TEST_F(JsonCoreEntryPointTest, DestroyFromInsideAnEventSilencesTheRestOfTheParse)
{
    // With and without the second, UTF-16 firing.
    for (const int32_t answer : {0, NETCOMP_EVENT_WANT_UTF16}) {
        SCOPED_TRACE(answer);
        m_sink.answer = answer;
        m_sink.fired.clear();
        int32_t destroyed = 0;
        m_sink.during = [&](int32_t id) {
            if (id % kU16 == NETCOMP_JSON_EVENT_ON_START_ELEMENT && !destroyed) {
                destroyed = s_api.destroy(m_handle) == 0 ? id : -1;
            }
        };
        const void* handle = m_handle;
        EXPECT_EQ(parse(uR"({"a":["x","y"],"b":1})"), 0);
        m_handle = nullptr;
        EXPECT_EQ(destroyed, NETCOMP_JSON_EVENT_ON_START_ELEMENT);
        // The event that destroyed it was the last to reach the sink.
        ASSERT_EQ(m_sink.ids(), std::vector<int32_t>{NETCOMP_JSON_EVENT_ON_START_ELEMENT});
        EXPECT_EQ(s_api.getLastErrorCode(const_cast<void*>(handle)), NETCOMP_ERR_NULL_HANDLE);
        m_sink.during = nullptr;
        m_handle = s_api.create(&Sink::callback, &m_sink, 0);
        ASSERT_NE(m_handle, nullptr);
    }
}

TEST_F(JsonCoreEntryPointTest, DocumentsBeyondTheBoundsAreRefusedWithTheSizeError)
{
    std::u16string manyValues = u"[1";
    for (int i = 1; i < (1 << 20); ++i) {
        manyValues += u",1";
    }
    manyValues += u"]";
    const struct {
        const char* name;
        std::u16string input;
        const char* text;
    } cases[] = {
        {"input", std::u16string((std::size_t{8} << 20) + 1, u' '),
         "JSON input too large (maximum 8388608 bytes)."},
        {"values", manyValues, "JSON document too large (maximum 1048576 values)."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(call(NETCOMP_JSON_METHOD_RESET), 0);
        EXPECT_EQ(parse(c.input), NETCOMP_ERR_JSON_SIZE);
        EXPECT_EQ(lastError(), c.text);
        EXPECT_EQ(setText(NETCOMP_JSON_PROP_XPATH, u"/json"), NETCOMP_ERR_NO_DOM);
    }
}

TEST_F(JsonCoreEntryPointTest, NullHandleIsAnswered)
{
    netcomp_value slots[1] = {0};
    netcomp_value lengths[1] = {0};
    EXPECT_EQ(s_api.set(nullptr, NETCOMP_JSON_PROP_BUILD_DOM, 0, 1, 0), NETCOMP_ERR_NULL_HANDLE);
    EXPECT_EQ(s_api.doMethod(nullptr, NETCOMP_JSON_METHOD_PARSE + kU16, 0, slots, lengths),
              NETCOMP_ERR_NULL_HANDLE);
    EXPECT_EQ(s_api.checkIndex(nullptr, NETCOMP_JSON_PROP_XCHILD_NAME, 0), NETCOMP_ERR_NULL_HANDLE);
    EXPECT_EQ(s_api.getLastErrorCode(nullptr), NETCOMP_ERR_NULL_HANDLE);
    EXPECT_EQ(s_api.get(nullptr, NETCOMP_JSON_PROP_XTEXT + kU16, 0, nullptr), 0);
    EXPECT_EQ(s_api.getLastError(nullptr), nullptr);
}

} // namespace
