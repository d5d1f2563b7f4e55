#include "tests/support/window/WindowService.h"

#include "app/qt/TextConversion.h"

void WindowService::addSample(const QString& code, const QString& name, const QString& type,
                              bool withReport)
{
    addSample(toU16String(code), toU16String(name), toU16String(type), withReport);
}

void WindowService::addSampleRoute(const QString& code, quorvi::test::TestRoute route)
{
    addSampleRoute(toU16String(code), std::move(route));
}

void WindowService::addInterpreter(const QString& type, std::string document)
{
    addInterpreter(toU16String(type), std::move(document));
}

void WindowService::addInterpreterRoute(const QString& type, quorvi::test::TestRoute route)
{
    addInterpreterRoute(toU16String(type), std::move(route));
}
