#pragma once

#include "tests/support/SampleService.h"

#include <QString>

// The local laboratory service with the window tests' Qt texts.
class WindowService : public SampleService {
public:
    using SampleService::addInterpreter;
    using SampleService::addInterpreterRoute;
    using SampleService::addSample;
    using SampleService::addSampleRoute;

    void addSample(const QString& code, const QString& name, const QString& type,
                   bool withReport = true);
    void addSampleRoute(const QString& code, quorvi::test::TestRoute route);
    void addInterpreter(const QString& type, std::string document);
    void addInterpreterRoute(const QString& type, quorvi::test::TestRoute route);
};
