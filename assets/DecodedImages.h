#pragma once

#include <cstdint>

// The window's picture and the program's icon, decoded by the build from the files in assets/.
namespace tavrelin::assets {

// An image as 32-bit pixels 0xAARRGGBB, row after row from the top.
struct DecodedImage {
    int Width;
    int Height;
    const std::uint32_t* Pixels;
};

// The picture of Picture1, warships.jpg: opaque, 269 x 118.
extern const DecodedImage WARSHIPS;
// The program's icon, tavrelin-32.png: 32 x 32 with its transparency.
extern const DecodedImage ICON;

}  // namespace tavrelin::assets
