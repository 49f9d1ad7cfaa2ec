#pragma once

#include <cstdint>
#include <span>

// The window's picture and the program's icon as the files in assets/ hold them, embedded by the
// build for a toolkit that decodes them itself.
namespace tavrelin::assets {

// The picture of Picture1, warships.jpg: a baseline JPEG of 269 x 118.
extern const std::span<const std::uint8_t> WARSHIPS_JPEG;
// The program's icon, tavrelin-32.png: a PNG of 32 x 32 with its transparency.
extern const std::span<const std::uint8_t> ICON_PNG;

}  // namespace tavrelin::assets
