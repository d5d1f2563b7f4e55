// The rules that unlock and colour the inputs, over the window logic alone.
#include "tests/app/logic/FakeWindow.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

struct PassStep {
    const char* name;
    std::function<void(FakeWindow&)> perform;
    const char* parameter;
    const char* prefix;
    const char* value;
    const char* unit;
    const char* process;
};

// The usual order of use, with each control's state after each step.
const PassStep kCompletePass[] = {
    {"start", [](FakeWindow&) {}, "visible disabled white", "hidden enabled white",
     "hidden enabled white", "hidden enabled white", "hidden disabled white"},
    {"load completes",
     [](FakeWindow& w) {
         w.completeLoad({u"Blei", u"Nitrat"});
     },
     "visible enabled yellow", "hidden enabled white", "hidden enabled white",
     "hidden enabled white", "hidden disabled white"},
    {"parameter list opened",
     [](FakeWindow& w) { w.handlers.run(eventsOf("ParameterComboBox").dropDown); },
     "visible enabled yellow", "hidden enabled white", "hidden enabled white",
     "hidden enabled white", "hidden disabled white"},
    {"parameter chosen", [](FakeWindow& w) { w.choose(w.ParameterComboBox, u"Blei"); },
     "visible enabled lime", "visible enabled yellow", "hidden enabled yellow",
     "hidden enabled yellow", "hidden disabled white"},
    {"prefix chosen", [](FakeWindow& w) { w.choose(w.PrefixComboBox, u"keins"); },
     "visible enabled lime", "visible enabled lime", "visible enabled yellow",
     "hidden enabled yellow", "hidden disabled white"},
    {"click into the value box", [](FakeWindow& w) { w.handlers.run(eventsOf("valueEdit").click); },
     "visible enabled lime", "visible enabled lime", "visible enabled yellow",
     "hidden enabled yellow", "hidden disabled white"},
    {"first character typed", [](FakeWindow& w) { w.type(w.valueEdit, u"5"); },
     "visible enabled lime", "visible enabled lime", "visible enabled lime",
     "visible enabled yellow", "hidden disabled white"},
    {"unit chosen from the list", [](FakeWindow& w) { w.choose(w.Unit, u"mg/L"); },
     "visible enabled lime", "visible enabled lime", "visible enabled lime", "visible enabled lime",
     "visible enabled white"},
    {"value emptied", [](FakeWindow& w) { w.type(w.valueEdit, u""); }, "visible enabled lime",
     "visible enabled lime", "visible enabled red", "hidden enabled lime", "hidden enabled white"},
    {"a character typed again", [](FakeWindow& w) { w.type(w.valueEdit, u"7"); },
     "visible enabled lime", "visible enabled lime", "visible enabled lime",
     "visible enabled yellow", "hidden enabled white"},
    {"unit edited again", [](FakeWindow& w) { w.type(w.Unit, u"mg/"); }, "visible enabled lime",
     "visible enabled lime", "visible enabled lime", "visible enabled lime",
     "visible enabled white"},
};

TEST(InputWorkflow, ACompletePassUnlocksAndColoursStepByStep)
{
    FakeWindow w;
    for (const PassStep& step : kCompletePass) {
        SCOPED_TRACE(step.name);
        step.perform(w);
        EXPECT_EQ(state(w.ParameterComboBox), step.parameter);
        EXPECT_EQ(state(w.PrefixComboBox), step.prefix);
        EXPECT_EQ(state(w.valueEdit), step.value);
        EXPECT_EQ(state(w.Unit), step.unit);
        EXPECT_EQ(state(w.process), step.process);
    }
    EXPECT_EQ(w.Unit.value, u"mg/");
    EXPECT_TRUE(w.messages.informations.empty());
    EXPECT_TRUE(w.messages.errors.empty());
}

TEST(InputWorkflow, OpeningTheListRepaintsTheBoxAtOnceAndKeepsItYellow)
{
    FakeWindow w;
    w.completeLoad({u"Blei"});
    w.choose(w.ParameterComboBox, u"Blei");
    w.handlers.run(&WindowHandlers::ParameterComboBoxDropDown);
    EXPECT_EQ(state(w.ParameterComboBox), "visible enabled yellow");
    EXPECT_EQ(w.ParameterComboBox.repaints, 1);
    EXPECT_EQ(w.ParameterComboBox.value, u"Blei");
}

TEST(InputWorkflow, TypingIntoTheParameterBoxCountsAsAChoice)
{
    FakeWindow w;
    w.completeLoad({u"Blei"});
    w.type(w.ParameterComboBox, u"N");
    EXPECT_EQ(state(w.ParameterComboBox), "visible enabled lime");
    EXPECT_EQ(state(w.PrefixComboBox), "visible enabled yellow");
}

TEST(InputWorkflow, AnyTextInTheValueBoxIsAValueAndOnlyEmptinessTurnsItRed)
{
    for (std::u16string_view value : {u" ", u"abc", u"1-10%", u"0"}) {
        FakeWindow w;
        w.type(w.valueEdit, value);
        EXPECT_EQ(state(w.valueEdit), "hidden enabled lime");
        EXPECT_TRUE(w.Unit.visible);
    }
}

TEST(InputWorkflow, ClickingIntoAFilledValueTurnsItYellowUntilItChanges)
{
    FakeWindow w;
    w.type(w.valueEdit, u"5");
    w.handlers.run(&WindowHandlers::valueEditClick);
    EXPECT_EQ(state(w.valueEdit), "hidden enabled yellow");
    w.type(w.valueEdit, u"56");
    EXPECT_EQ(state(w.valueEdit), "hidden enabled lime");
}

TEST(InputWorkflow, AnyTypedUnitShowsAndEnablesTheButton)
{
    FakeWindow w;
    w.type(w.Unit, u"Liter");
    EXPECT_EQ(state(w.Unit), "hidden enabled lime");
    EXPECT_EQ(state(w.process), "visible enabled white");
}

TEST(InputWorkflow, AnotherParameterTurnsTheInputsYellowButKeepsTextsAndButton)
{
    FakeWindow w;
    w.completeLoad({u"Blei", u"Nitrat"});
    w.choose(w.ParameterComboBox, u"Blei");
    w.choose(w.PrefixComboBox, u">");
    w.type(w.valueEdit, u"5");
    w.choose(w.Unit, u"µg/L");

    w.choose(w.ParameterComboBox, u"Nitrat");

    EXPECT_EQ(state(w.PrefixComboBox), "visible enabled yellow");
    EXPECT_EQ(state(w.valueEdit), "visible enabled yellow");
    EXPECT_EQ(state(w.Unit), "visible enabled yellow");
    EXPECT_EQ(state(w.process), "visible enabled white");
    EXPECT_EQ(w.PrefixComboBox.value, u">");
    EXPECT_EQ(w.valueEdit.value, u"5");
    EXPECT_EQ(w.Unit.value, u"µg/L");
}

} // namespace
