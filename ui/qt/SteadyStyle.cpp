#include "SteadyStyle.h"

namespace tavrelin::ui {

int SteadyStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                           QStyleHintReturn* returnData) const
{
    if (hint == SH_EtchDisabledText || hint == SH_DitherDisabledText) {
        return 0;
    }
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

}  // namespace tavrelin::ui
