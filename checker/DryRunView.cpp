#include "checker/DryRunView.h"

DryRunView::DryRunView(std::u16string parameter, std::u16string value, std::u16string unit,
                       std::u16string prefix)
    : m_parameter(std::move(parameter)), m_value(std::move(value)), m_unit(std::move(unit)),
      m_prefix(std::move(prefix))
{
}

void DryRunView::appendOutputLine(std::u16string_view text)
{
    m_output.append(text).append(u"\n");
}
