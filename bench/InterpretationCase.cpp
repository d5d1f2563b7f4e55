#include "bench/InterpretationCase.h"

#include "bench/ComponentDocument.h"
#include "bench/InterpreterDocument.h"
#include "components/codepage/CodePage.h"
#include "interpretation/InterpretationRun.h"

#include <stdexcept>

namespace {

std::size_t occurrences(std::u16string_view text, std::u16string_view word)
{
    std::size_t count = 0;
    for (auto at = text.find(word); at != std::u16string_view::npos; at = text.find(word, at + 1)) {
        ++count;
    }
    return count;
}

} // namespace

InterpretationCase::InterpretationCase(int entries, int matchingEntries)
{
    const std::string document = makeInterpreterDocument(entries, matchingEntries);
    m_bytes = document.size();
    m_text = netcomp::fromUtf8(document);
    m_parameterCount = entries + 1;
    m_view.value = u"5";
    m_view.unit = u"µg/L";
    m_view.prefix = u"keins";
    m_view.parameter = netcomp::fromUtf8(kMatchingParameter);
    parse();
    run();
    if (occurrences(m_view.output, u"hält den Grenzwert für Blei von 10 µg/L ein") !=
            static_cast<std::size_t>(matchingEntries) ||
        m_view.outputColour != OutputColour::Lime) {
        throw std::runtime_error("the interpretation run did not write the expected texts");
    }
}

void InterpretationCase::run()
{
    InterpretationRun(m_json, m_parameterCount, m_view).run();
}

void InterpretationCase::parse()
{
    parseInterpreterDocument(m_json, m_text);
}
