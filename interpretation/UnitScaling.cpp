#include "interpretation/UnitScaling.h"

double scaleFactor(std::u16string_view unitText)
{
    return unitText == u"mg/L" ? 1000000.0 : 1000.0;
}
