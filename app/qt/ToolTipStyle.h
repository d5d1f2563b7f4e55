#pragma once

#include <QProxyStyle>

// The application's style: the platform's own, with tooltips showing after 500 ms of
// rest over a control.
class ToolTipStyle : public QProxyStyle {
public:
    static constexpr int wakeUpDelay = 500;

    int styleHint(StyleHint hint, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;
};
