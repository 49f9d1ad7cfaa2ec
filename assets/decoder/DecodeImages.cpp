// Decodes the window's picture and the program's icon into C++ source, so that the window starts
// with their pixels in hand and loads no image decoder. Run by the build:
//   tavrelin_decode_images OUTPUT.cpp PICTURE.jpg ICON.png

#include <cstdio>
#include <fstream>

#include <QImage>

namespace {

// Writes one image as the definition of a DecodedImage, its pixels in the format it loads as.
bool WriteImage(std::ofstream& out, const char* name, const char* file, QImage::Format format)
{
    const QImage image = QImage(QString::fromLocal8Bit(file)).convertToFormat(format);
    if (image.isNull()) {
        std::fprintf(stderr, "cannot read %s\n", file);
        return false;
    }
    out << "constexpr std::uint32_t " << name << "_PIXELS[] = {";
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            out << ((x % 8 == 0) ? "\n    0x" : " 0x") << std::hex << row[x] << std::dec << "u,";
        }
    }
    out << "\n};\n";
    out << "const DecodedImage " << name << "{" << image.width() << ", " << image.height() << ", " << name
        << "_PIXELS};\n\n";
    return true;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s OUTPUT.cpp PICTURE.jpg ICON.png\n", argv[0]);
        return 2;
    }
    std::ofstream out(argv[1]);
    out << "// Made by the build from the picture and the icon in assets/; not to be edited.\n\n"
           "#include \"DecodedImages.h\"\n\n"
           "namespace tavrelin::assets {\n\n";
    if (!WriteImage(out, "WARSHIPS", argv[2], QImage::Format_RGB32) ||
        !WriteImage(out, "ICON", argv[3], QImage::Format_ARGB32)) {
        return 1;
    }
    out << "}  // namespace tavrelin::assets\n";
    return out.good() ? 0 : 1;
}
