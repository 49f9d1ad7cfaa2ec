// Draws the window's picture, a squadron of grey warships on a blue sea seen from above at an
// angle, and the program's icon, a hamburger in pixel art. Usage: tavrelin_assets OUTPUT_FOLDER

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <random>
#include <vector>

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int PICTURE_WIDTH = 269;
constexpr int PICTURE_HEIGHT = 118;
// 96 dots per inch, as dots per metre.
constexpr int DOTS_PER_METRE_96_DPI = 3780;
constexpr int SHIPS_IN_PICTURE = 7;
constexpr int ICON_SIZE = 32;

void DrawSea(QPainter& painter, std::mt19937& random)
{
    QLinearGradient sea(0, 0, 0, PICTURE_HEIGHT);
    sea.setColorAt(0.0, QColor(28, 70, 128));
    sea.setColorAt(1.0, QColor(18, 52, 104));
    painter.fillRect(0, 0, PICTURE_WIDTH, PICTURE_HEIGHT, sea);
    std::uniform_real_distribution<double> x(0, PICTURE_WIDTH);
    std::uniform_real_distribution<double> y(0, PICTURE_HEIGHT);
    std::uniform_int_distribution<int> shade(0, 40);
    for (int i = 0; i < 420; ++i) {
        const QPointF start(x(random), y(random));
        painter.setPen(QPen(QColor(60 + shade(random), 110 + shade(random), 170 + shade(random), 140), 1));
        painter.drawLine(start, start + QPointF(4 + shade(random) / 8.0, -1.5));
    }
}

// One ship, its bow pointing up and to the right; (x, y) is the middle of the hull.
void DrawShip(QPainter& painter, double x, double y, double length, double beam)
{
    painter.save();
    painter.translate(x, y);
    painter.rotate(32);
    painter.scale(1.0, 0.92);

    // The wake: a white fan spreading behind the stern, and the bow wave.
    QPainterPath wake;
    wake.moveTo(-beam * 0.4, length * 0.45);
    wake.lineTo(-beam * 1.1, length * 0.85);
    wake.lineTo(beam * 1.1, length * 0.85);
    wake.lineTo(beam * 0.4, length * 0.45);
    wake.closeSubpath();
    QLinearGradient foam(0, length * 0.45, 0, length * 0.85);
    foam.setColorAt(0.0, QColor(235, 242, 250, 220));
    foam.setColorAt(1.0, QColor(235, 242, 250, 0));
    painter.fillPath(wake, foam);
    painter.setPen(QPen(QColor(230, 238, 248, 200), 1.2));
    painter.drawLine(QPointF(0, -length * 0.5), QPointF(-beam * 0.7, -length * 0.36));
    painter.drawLine(QPointF(0, -length * 0.5), QPointF(beam * 0.7, -length * 0.36));

    // The hull, pointed at the bow and square at the stern.
    QPainterPath hull;
    hull.moveTo(0, -length * 0.5);
    hull.cubicTo(beam * 0.55, -length * 0.3, beam * 0.5, length * 0.2, beam * 0.42, length * 0.45);
    hull.lineTo(-beam * 0.42, length * 0.45);
    hull.cubicTo(-beam * 0.5, length * 0.2, -beam * 0.55, -length * 0.3, 0, -length * 0.5);
    QLinearGradient steel(-beam * 0.5, 0, beam * 0.5, 0);
    steel.setColorAt(0.0, QColor(150, 154, 160));
    steel.setColorAt(0.5, QColor(128, 132, 138));
    steel.setColorAt(1.0, QColor(88, 92, 98));
    painter.setPen(QPen(QColor(60, 62, 66), 0.8));
    painter.setBrush(steel);
    painter.drawPath(hull);

    // Superstructure, funnels and gun turrets.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(104, 108, 114));
    painter.drawRect(QRectF(-beam * 0.25, -length * 0.12, beam * 0.5, length * 0.3));
    painter.setBrush(QColor(80, 82, 88));
    painter.drawRect(QRectF(-beam * 0.16, -length * 0.06, beam * 0.32, length * 0.08));
    painter.drawRect(QRectF(-beam * 0.16, length * 0.06, beam * 0.32, length * 0.07));
    painter.setBrush(QColor(70, 72, 76));
    for (const double along : {-0.3, -0.2, 0.3}) {
        painter.drawEllipse(QPointF(0, length * along), beam * 0.17, beam * 0.17);
    }
    painter.setPen(QPen(QColor(60, 62, 66), 0.9));
    for (const double along : {-0.3, -0.2}) {
        painter.drawLine(QPointF(0, length * along), QPointF(0, length * (along - 0.09)));
    }
    painter.drawLine(QPointF(0, length * 0.3), QPointF(0, length * 0.39));
    painter.restore();
}

QImage DrawPicture()
{
    QImage picture(PICTURE_WIDTH, PICTURE_HEIGHT, QImage::Format_RGB32);
    picture.setDotsPerMeterX(DOTS_PER_METRE_96_DPI);
    picture.setDotsPerMeterY(DOTS_PER_METRE_96_DPI);
    std::mt19937 random(20261208);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    DrawSea(painter, random);
    // Side by side across the whole width, so the part of the picture the window shows holds five.
    const double spacing = static_cast<double>(PICTURE_WIDTH) / SHIPS_IN_PICTURE;
    for (int i = 0; i < SHIPS_IN_PICTURE; ++i) {
        const double x = spacing * (i + 0.5);
        const double y = 56 + ((i % 2 == 0) ? -5 : 5);
        DrawShip(painter, x, y, 70, 15);
    }
    return picture;
}

// The hamburger, layer by layer from the top; every pixel one flat colour, as pixel art is drawn.
enum Paint : std::uint8_t { CLEAR, OUTLINE, BUN, BUN_SHADE, SEED, LETTUCE, TOMATO, CHEESE, PATTY, PATTY_SHADE };

constexpr std::array<QRgb, 10> ICON_COLOURS{
    qRgb(0, 0, 0),     qRgb(58, 30, 12),  qRgb(232, 158, 62), qRgb(192, 112, 36), qRgb(255, 246, 214),
    qRgb(74, 178, 48), qRgb(216, 44, 34), qRgb(255, 204, 20), qRgb(120, 62, 28),  qRgb(84, 42, 18),
};

using IconPixels = std::array<std::array<Paint, ICON_SIZE>, ICON_SIZE>;

IconPixels DrawIcon()
{
    IconPixels icon{};
    auto fillRow = [&icon](int y, int from, int to, Paint paint) {
        for (int x = from; x <= to; ++x) {
            icon[y][x] = paint;
        }
    };
    // Top bun: a dome over rows 4..13.
    for (int y = 4; y <= 13; ++y) {
        const double rise = (13.5 - y) / 10.0;
        const int half = static_cast<int>(std::lround(14.0 * std::sqrt(1.0 - rise * rise)));
        fillRow(y, 16 - half, 15 + half, y >= 12 ? BUN_SHADE : BUN);
    }
    for (const auto& [x, y] : std::array<std::pair<int, int>, 9>{
             {{10, 7}, {15, 6}, {20, 7}, {7, 10}, {13, 9}, {18, 10}, {24, 10}, {11, 12}, {21, 12}}}) {
        icon[y][x] = SEED;
        icon[y][x + 1] = SEED;
    }
    // Lettuce with a wavy lower edge, tomato, melted cheese with drips, the patty, the bottom bun.
    fillRow(14, 2, 29, LETTUCE);
    for (int x = 2; x <= 29; ++x) {
        if (x % 4 != 1) {
            icon[15][x] = LETTUCE;
        }
    }
    fillRow(16, 3, 28, TOMATO);
    fillRow(17, 2, 29, CHEESE);
    for (const int x : {6, 7, 15, 16, 23, 24}) {
        icon[18][x] = CHEESE;
    }
    for (int y = 19; y <= 22; ++y) {
        fillRow(y, 3, 28, y == 22 ? PATTY_SHADE : PATTY);
    }
    for (int y = 23; y <= 27; ++y) {
        const int inset = (y == 27) ? 3 : 2;
        fillRow(y, inset + 1, 30 - inset, y >= 26 ? BUN_SHADE : BUN);
    }
    // A dark outline round every painted pixel that meets the transparent background.
    IconPixels outlined = icon;
    for (int y = 0; y < ICON_SIZE; ++y) {
        for (int x = 0; x < ICON_SIZE; ++x) {
            if (icon[y][x] != CLEAR) {
                continue;
            }
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dx = -1; dx <= 1; ++dx) {
                    const int ny = y + dy;
                    const int nx = x + dx;
                    if ((dx == 0 || dy == 0) && ny >= 0 && ny < ICON_SIZE && nx >= 0 && nx < ICON_SIZE &&
                        icon[ny][nx] != CLEAR && icon[ny][nx] != OUTLINE) {
                        outlined[y][x] = OUTLINE;
                    }
                }
            }
        }
    }
    return outlined;
}

QImage IconImage(const IconPixels& icon, int scale)
{
    QImage image(ICON_SIZE * scale, ICON_SIZE * scale, QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const Paint paint = icon[y / scale][x / scale];
            image.setPixel(x, y, paint == CLEAR ? qRgba(0, 0, 0, 0) : ICON_COLOURS[paint]);
        }
    }
    return image;
}

void PutU16(std::vector<std::uint8_t>& out, unsigned value)
{
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void PutU32(std::vector<std::uint8_t>& out, unsigned value)
{
    PutU16(out, value & 0xFFFF);
    PutU16(out, value >> 16);
}

// An icon file holding one 32 x 32 image in 256 colours with its transparency mask.
std::vector<std::uint8_t> IcoFile(const IconPixels& icon)
{
    constexpr unsigned colourRowBytes = ICON_SIZE;    // one byte a pixel, already a multiple of 4
    constexpr unsigned maskRowBytes = ICON_SIZE / 8;  // one bit a pixel, already a multiple of 4
    constexpr unsigned paletteBytes = 256 * 4;
    constexpr unsigned imageBytes = 40 + paletteBytes + ICON_SIZE * (colourRowBytes + maskRowBytes);
    std::vector<std::uint8_t> out;
    PutU16(out, 0);  // reserved
    PutU16(out, 1);  // an icon, not a cursor
    PutU16(out, 1);  // one image
    out.push_back(ICON_SIZE);
    out.push_back(ICON_SIZE);
    out.push_back(0);  // 0 stands for 256 colours
    out.push_back(0);
    PutU16(out, 1);  // colour planes
    PutU16(out, 8);  // bits a pixel
    PutU32(out, imageBytes);
    PutU32(out, 6 + 16);
    // The bitmap header counts the colour image and the mask together: twice the height.
    PutU32(out, 40);
    PutU32(out, ICON_SIZE);
    PutU32(out, ICON_SIZE * 2);
    PutU16(out, 1);
    PutU16(out, 8);
    PutU32(out, 0);  // uncompressed
    PutU32(out, ICON_SIZE * (colourRowBytes + maskRowBytes));
    PutU32(out, 0);
    PutU32(out, 0);
    PutU32(out, 256);
    PutU32(out, 0);
    for (unsigned i = 0; i < 256; ++i) {
        const QRgb colour = i < ICON_COLOURS.size() ? ICON_COLOURS[i] : qRgb(0, 0, 0);
        out.push_back(static_cast<std::uint8_t>(qBlue(colour)));
        out.push_back(static_cast<std::uint8_t>(qGreen(colour)));
        out.push_back(static_cast<std::uint8_t>(qRed(colour)));
        out.push_back(0);
    }
    // Both bitmaps run from the bottom row up.
    for (int y = ICON_SIZE - 1; y >= 0; --y) {
        for (int x = 0; x < ICON_SIZE; ++x) {
            out.push_back(icon[y][x]);
        }
    }
    for (int y = ICON_SIZE - 1; y >= 0; --y) {
        for (int byte = 0; byte < ICON_SIZE / 8; ++byte) {
            std::uint8_t bits = 0;
            for (int bit = 0; bit < 8; ++bit) {
                if (icon[y][byte * 8 + bit] == CLEAR) {
                    bits |= static_cast<std::uint8_t>(0x80 >> bit);
                }
            }
            out.push_back(bits);
        }
    }
    return out;
}

bool Save(const QImage& image, const QString& path, const char* format, int quality = -1)
{
    QImageWriter writer(path, format);
    writer.setQuality(quality);
    if (!writer.write(image)) {
        std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(path), qPrintable(writer.errorString()));
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    bool saved = Save(DrawPicture(), folder.filePath(QStringLiteral("warships.jpg")), "jpeg", 90);
    const IconPixels icon = DrawIcon();
    for (const int size : {32, 64, 128, 256}) {
        saved = Save(IconImage(icon, size / ICON_SIZE), folder.filePath(QStringLiteral("tavrelin-%1.png").arg(size)),
                     "png") &&
                saved;
    }
    const std::vector<std::uint8_t> ico = IcoFile(icon);
    std::ofstream file(folder.filePath(QStringLiteral("tavrelin.ico")).toStdString(), std::ios::binary);
    file.write(reinterpret_cast<const char*>(ico.data()), static_cast<std::streamsize>(ico.size()));
    return saved && file.good() ? 0 : 1;
}
