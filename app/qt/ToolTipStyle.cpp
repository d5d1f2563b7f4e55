#include "app/qt/ToolTipStyle.h"

#include "app/logic/WindowLayout.h"

int ToolTipStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                            QStyleHintReturn* returnData) const
{
    if (hint == QStyle::SH_ToolTip_WakeUpDelay) {
        return layout::kToolTipDelayMs;
    }
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}
