#include "tests/support/window/RecordingPresenter.h"

void RecordingPresenter::clear()
{
    m_informations.clear();
    m_errors.clear();
}
