// Pictures how often each cell of the field holds a ship over many games, for the README:
//   tavrelin_heatmap FILE.png [GAMES]

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include "Game.h"

namespace {

constexpr int CELL_PIXELS = 40;
constexpr int MARGIN = 24;

// From pale sea blue for cells that are rarely a ship to deep red for the most frequent.
QColor Shade(double share)
{
    const QColor cold(226, 236, 250);
    const QColor hot(190, 20, 20);
    auto mix = [share](int a, int b) { return static_cast<int>(a + (b - a) * share); };
    return QColor(mix(cold.red(), hot.red()), mix(cold.green(), hot.green()), mix(cold.blue(), hot.blue()));
}

}  // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication application(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s FILE.png [GAMES]\n", argv[0]);
        return 2;
    }
    const int games = argc > 2 ? std::atoi(argv[2]) : 100000;

    tavrelin::StandardRandom random(2026);
    tavrelin::Game game(random);
    std::array<std::array<int, tavrelin::FIELD_SIZE>, tavrelin::FIELD_SIZE> ships{};
    for (int i = 0; i < games; ++i) {
        game.NewGame();
        for (int row = 0; row < tavrelin::FIELD_SIZE; ++row) {
            for (int col = 0; col < tavrelin::FIELD_SIZE; ++col) {
                ships[row][col] += game.Board[row][col] == tavrelin::CELL_SHIP ? 1 : 0;
            }
        }
    }
    int most = 1;
    for (const auto& row : ships) {
        most = std::max(most, *std::max_element(row.begin(), row.end()));
    }

    const int side = 2 * MARGIN + tavrelin::FIELD_SIZE * CELL_PIXELS;
    QImage image(side, side + MARGIN, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    QFont font = painter.font();
    font.setPixelSize(11);
    painter.setFont(font);
    for (int row = 0; row < tavrelin::FIELD_SIZE; ++row) {
        for (int col = 0; col < tavrelin::FIELD_SIZE; ++col) {
            const QRect cell(MARGIN + col * CELL_PIXELS, MARGIN + row * CELL_PIXELS, CELL_PIXELS, CELL_PIXELS);
            const double share = static_cast<double>(ships[row][col]) / most;
            painter.fillRect(cell, Shade(share));
            painter.setPen(QColor(255, 255, 255));
            painter.drawRect(cell.adjusted(0, 0, -1, -1));
            painter.setPen(share > 0.55 ? Qt::white : Qt::black);
            const double percent = 100.0 * ships[row][col] / games;
            painter.drawText(cell, Qt::AlignCenter, QString::number(percent, 'f', percent < 10 ? 1 : 0));
        }
    }
    painter.setPen(Qt::black);
    painter.drawText(QRect(0, side - 4, side, MARGIN), Qt::AlignCenter,
                     QStringLiteral("%1 games: per cent of games in which each cell holds a ship").arg(games));
    painter.end();
    return image.save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
