#include "interpretation/InterpretationRun.h"

#include "components/wrappers/TnetJSON.h"
#include "interpretation/CommaNormalisation.h"
#include "interpretation/Placeholders.h"
#include "interpretation/PrefixTexts.h"
#include "interpretation/PreparedValue.h"
#include "interpretation/SpecialResults.h"
#include "retrieval/DocumentMembers.h"
#include "retrieval/EntryPath.h"

InterpretationRun::InterpretationRun(TnetJSON& document, int32_t parameterCount,
                                     InterpretationView& view)
    : m_document(document), m_parameterCount(parameterCount), m_view(view)
{
}

void InterpretationRun::run()
{
    m_view.setOutputText(u"");
    // Keeps the tree sample loading built; the paths only match unquoted names.
    m_document.Config(u"StringProcessingOptions=3");
    m_document.setBuildDOM(true);

    // Writing the value box runs its change reaction, so write only a real change.
    const std::u16string typed = m_view.valueText();
    const std::u16string normalised = normaliseCommas(typed);
    if (normalised != typed) {
        m_view.setValueText(normalised);
    }

    if (const auto special = specialResultText(m_view.valueText())) {
        m_view.setOutputText(*special);
        return;
    }

    const std::string preparedValue = prepareValue(m_view.valueText(), m_view.unitText());
    m_view.setIntroText(textAt(members::kIntrotext));

    // Params counts one more than the entries, which come first in the document.
    for (int32_t index = 1; index < m_parameterCount; ++index) {
        const bool matches = textAt(entryPath(index, members::kParam)) == m_view.parameterText();
        if (matches && !interpretEntry(index, preparedValue)) {
            return;
        }
        fillPlaceholders(index);
    }
}

bool InterpretationRun::interpretEntry(int32_t index, const std::string& preparedValue)
{
    Outcome outcome = classifyEntry(index, preparedValue);
    if (outcome == Outcome::Contradiction) {
        m_view.appendOutputLine(
            contradictionWarning(m_view.prefixText(), m_view.valueText(), m_view.unitText()));
        return false;
    }
    if (outcome == Outcome::Exceeded) {
        appendField(index, members::kMclLevel1);
        m_view.setOutputColour(OutputColour::Yellow);
        // The within texts follow their own comparison. It reads the same two numbers
        // again, so it cannot turn an exceeded value into a within one.
        outcome = classifyEntry(index, preparedValue);
    }
    if (outcome == Outcome::WithinWithNote) {
        m_view.appendOutputLine(
            prefixNote(m_view.prefixText(), m_view.valueText(), m_view.unitText()));
    }
    if (outcome == Outcome::WithinWithNote || outcome == Outcome::Within) {
        appendField(index, members::kMclOk);
        m_view.setOutputColour(OutputColour::Lime);
    }
    appendField(index, members::kSpecialComment);
    return true;
}

Outcome InterpretationRun::classifyEntry(int32_t index, const std::string& preparedValue)
{
    m_document.setXPath(entryPath(index, members::kMcl));
    const int32_t measured = readMeasuredNumber(preparedValue);
    const double limit = limitValue(m_document.XText());
    return classify(measured, limit, m_view.prefixText());
}

void InterpretationRun::appendField(int32_t index, std::u16string_view field)
{
    m_view.appendOutputLine(textAt(entryPath(index, field)));
}

void InterpretationRun::fillPlaceholders(int32_t index)
{
    replaceInOutput(u"PARAM", m_view.parameterText());
    replaceInOutput(u"MCL", textAt(entryPath(index, members::kMcl)));
    replaceInOutput(u"UNIT", textAt(entryPath(index, members::kUnit)));
    const auto concentration =
        concentrationText(m_view.prefixText(), m_view.valueText(), m_view.unitText());
    if (concentration) {
        replaceInOutput(u"CONCENTRATION", *concentration);
    }
}

void InterpretationRun::replaceInOutput(std::u16string_view placeholder,
                                        std::u16string_view replacement)
{
    m_view.setOutputText(replacePlaceholder(m_view.outputText(), placeholder, replacement));
}

std::u16string InterpretationRun::textAt(std::u16string_view path)
{
    m_document.setXPath(path);
    return m_document.XText();
}
