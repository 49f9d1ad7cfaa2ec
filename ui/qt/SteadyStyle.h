#pragma once

#include <QProxyStyle>

namespace tavrelin::ui {

// The desktop's style, except that disabled text is drawn as enabled text is: no etched or
// dithered copy. The score frame is disabled for good and its captions keep their normal look.
class SteadyStyle : public QProxyStyle {
    Q_OBJECT

public:
    using QProxyStyle::QProxyStyle;

    int styleHint(StyleHint hint, const QStyleOption* option = nullptr, const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;
};

}  // namespace tavrelin::ui
