#pragma once

#include <QProxyStyle>

// The application's style: the platform's own, with tooltips showing after the layout's
// delay of rest over a control.
class ToolTipStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;
};
