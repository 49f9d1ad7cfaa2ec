#include "WindowDesign.h"

#include "Identity.h"

namespace tavrelin::design {

std::string WindowCaption()
{
    return std::string(MAKER_WEB_ADDRESS) + " " + CAPTION_TEXT;
}

}  // namespace tavrelin::design
