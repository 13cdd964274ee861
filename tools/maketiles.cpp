// Draws the project's own tile sheet, kelmor.bmp: 224 x 144 pixels addressed in
// 8 x 8 cells, 28 to a row, with a 16 x 16 graphic at the cell of every tile
// number that the catalogue uses. Writes an uncompressed 24-bit BMP; or the
// program's icon, the key tile's pixel art enlarged without smoothing, as PNG.
//
//   maketiles OUTPUT.bmp [--if-absent]
//   maketiles --icon SIZE OUTPUT.png
#include <QImage>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr int kWidth = 224;
constexpr int kHeight = 144;

struct Rgb {
    std::uint8_t r, g, b;
};

constexpr Rgb kBackground{20, 22, 44};

std::vector<Rgb> canvas(kWidth* kHeight, Rgb{0, 0, 0});

void put(int x, int y, Rgb c)
{
    if (x >= 0 && x < kWidth && y >= 0 && y < kHeight)
        canvas[static_cast<std::size_t>(y * kWidth + x)] = c;
}

int originX(int tile)
{
    return (tile % 28) * 8;
}
int originY(int tile)
{
    return (tile / 28) * 8;
}

void fillTile(int tile, Rgb c)
{
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            put(originX(tile) + x, originY(tile) + y, c);
}

// 16 rows of 16 characters; '.' keeps the background, other characters pick
// a colour from `colours`.
void art(int tile, const std::map<char, Rgb>& colours, const char* const rows[16])
{
    fillTile(tile, kBackground);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16 && rows[y][x] != '\0'; ++x) {
            const auto it = colours.find(rows[y][x]);
            if (it != colours.end())
                put(originX(tile) + x, originY(tile) + y, it->second);
        }
}

void bricks(int tile, Rgb brick, Rgb light, Rgb mortar)
{
    fillTile(tile, brick);
    for (int y = 0; y < 16; ++y) {
        const bool mortarRow = y % 4 == 3;
        const int offset = (y / 4) % 2 == 0 ? 0 : 4;
        for (int x = 0; x < 16; ++x) {
            Rgb c = brick;
            if (mortarRow || (x + offset) % 8 == 7)
                c = mortar;
            else if (y % 4 == 0)
                c = light;
            put(originX(tile) + x, originY(tile) + y, c);
        }
    }
}

const std::map<char, Rgb> kColours = {
    {'k', {0, 0, 0}},       {'w', {255, 255, 255}}, {'r', {220, 30, 40}},   {'R', {140, 10, 20}},
    {'p', {250, 150, 190}}, {'v', {130, 60, 170}},  {'V', {70, 30, 100}},   {'y', {250, 210, 40}},
    {'Y', {190, 140, 20}},  {'o', {240, 140, 40}},  {'b', {150, 90, 40}},   {'B', {100, 55, 25}},
    {'g', {60, 190, 70}},   {'G', {25, 110, 40}},   {'c', {90, 200, 230}},  {'u', {50, 90, 210}},
    {'U', {25, 45, 130}},   {'s', {245, 200, 160}}, {'e', {160, 160, 170}}, {'E', {100, 100, 110}},
    {'l', {210, 210, 220}},
};

void drawSheet()
{
    fillTile(0, kBackground);

    // Objects.
    const char* const hakyura[16] = {
        // 282: caped hero of the night
        "......VVVV......", ".....VVVVVV.....", ".....VssssV.....", ".....sksksV.....",
        ".....ssssss.....", "......srrs......", "...VVVwwwwVVV...", "..VVvVwrrwVvVV..",
        "..VvvVwwwwVvvV..", "..VvvvVVVVvvvV..", ".VvvvvVVVVvvvvV.", ".VvvvvVkkVvvvvV.",
        ".Vvvvv.kk.vvvvV.", "VVVVV..kk..VVVVV", "......kk.kk.....", ".....kkk.kkk....",
    };
    art(282, kColours, hakyura);
    const char* const bat[16] = {
        // 340
        "................", "................", "V..............V", "VV.....V.V....VV",
        "VVV....VVV...VVV", "VvVV..VVVVV.VVvV", "VvvVVVVrVrVVVvvV", "VvvvVVVVVVVVvvvV",
        "VvvVVVVwVwVVVvvV", ".VvV.VVVVVVV.VvV", ".VV...VVVVV...VV", ".V.....VVV.....V",
        "........V.......", "................", "................", "................",
    };
    art(340, kColours, bat);
    const char* const yosaku[16] = {
        // 4: the farmer, straw hat and blue work clothes
        "......yyyy......", "....yyyyyyyy....", "...YYYYYYYYYY...", ".....ssssss.....",
        ".....sksks......", ".....ssssss.....", "......ssss......", "....uuuuuuuu....",
        "...uuuuuuuuuu...", "..ssuuuuuuuuss..", "..ss.uuuuuu.ss..", ".....UUUUUU.....",
        ".....UU..UU.....", ".....UU..UU.....", "....bbb..bbb....", "................",
    };
    art(4, kColours, yosaku);
    const char* const ball[16] = {
        // 116: round enemy
        "................", ".....RRRRRR.....", "...RRrrrrrrRR...", "..RrrrrrrrrrrR..",
        "..RrrwwrrwwrrR..", ".RrrwkwrrwkwrrR.", ".RrrwkwrrwkwrrR.", ".RrrrrrrrrrrrrR.",
        ".RrrrrrrrrrrrrR.", ".RrrrkkkkkkrrrR.", "..RrrkwkwkkrrR..", "..RrrrrrrrrrrR..",
        "...RRrrrrrrRR...", ".....RRRRRR.....", "....kk....kk....", "................",
    };
    art(116, kColours, ball);
    const char* const spring[16] = {
        // 228: springboard
        "................", "................", "................", "................",
        "..oooooooooooo..", "..YYYYYYYYYYYY..", "......e..e......", ".....eeeeeee....",
        "......E..E......", ".....eeeeeee....", "......E..E......", ".....eeeeeee....",
        "......E..E......", "..oooooooooooo..", "..YYYYYYYYYYYY..", "................",
    };
    art(228, kColours, spring);
    const char* const crackedWall[16] = {
        // 284: wall that can be broken
        "eeeeeeeEeeeeeeeE", "elllleeEellleeeE", "eeeekeeEeeeeeeeE", "EEEEkEEEEEEkEEEE",
        "eeEeekeeeeeEkeee", "eeEeeekeeeekeeee", "eeEeeeekkkkeeeee", "EEEEEEEEEkEEEEEE",
        "eeeeeeeEekeeeeeE", "eeekeeeEekeelleE", "eeeekkeEkeeeeeeE", "EEEEEEkkEEEEEEEE",
        "eeEeeeekeeeEeeee", "eeEeeeeekeeEeeee", "eeEeeeeeekeEeeee", "EEEEEEEEEEEEEEEE",
    };
    art(284, kColours, crackedWall);
    const char* const crate[16] = {
        // 6: block that can be pushed
        "BBBBBBBBBBBBBBBB", "BbbbbbbbbbbbbbbB", "BbBBBBBBBBBBBBbB", "BbBbbbbbbbbbBBbB",
        "BbBbBbbbbbbBbBbB", "BbBbbBbbbbBbbBbB", "BbBbbbBbbBbbbBbB", "BbBbbbbBBbbbbBbB",
        "BbBbbbbBBbbbbBbB", "BbBbbbBbbBbbbBbB", "BbBbbBbbbbBbbBbB", "BbBbBbbbbbbBbBbB",
        "BbBBbbbbbbbbbBbB", "BbBBBBBBBBBBBBbB", "BbbbbbbbbbbbbbbB", "BBBBBBBBBBBBBBBB",
    };
    art(6, kColours, crate);
    const char* const sylvia[16] = {
        // 170: the girl, pink dress
        ".....oooooo.....", "....oooooooo....", "...ooossssooo...", "...oosksksoo....",
        "...oossssssoo...", "...oo.srrs.oo...", "...o..ssss..o...", ".....pppppp.....",
        "....pppwwppp....", "...sppppppppps..", "...s.pppppppp.s.", "....pppppppppp..",
        "...pppppppppppp.", "..pppppppppppppp", ".....ss....ss...", "....rrr....rrr..",
    };
    art(170, kColours, sylvia);
    const char* const gold[16] = {
        // 62: gold
        "................", "................", "................", ".....yyyyyy.....",
        "....ywwyyyyY....", "...ywyyyyyyyY...", "..yyyyyyyyyyyY..", "..YYYYYYYYYYYY..",
        "................", "....yyyyyyyy....", "...ywwyyyyyyY...", "..ywyyyyyyyyyY..",
        ".yyyyyyyyyyyyyY.", ".YYYYYYYYYYYYYY.", "................", "................",
    };
    art(62, kColours, gold);
    const char* const heart[16] = {
        // 174
        "................", "................", "...RRR....RRR...", "..RrrrR..RrrrR..",
        ".RrwwrrRRrrrrrR.", ".RrwrrrrrrrrrrR.", ".RrrrrrrrrrrrrR.", ".RrrrrrrrrrrrrR.",
        "..RrrrrrrrrrrR..", "...RrrrrrrrrR...", "....RrrrrrrR....", ".....RrrrrR.....",
        "......RrrR......", ".......RR.......", "................", "................",
    };
    art(174, kColours, heart);
    const char* const key[16] = {
        // 286
        "................", "................", "..YYYY..........", ".YyyyyY.........",
        "YyyYYyyY........", "YyY..YyY........", "YyY..YyYYYYYYYY.", "YyyYYyyyyyyyyyyY",
        "YyyyyyyYYYYyYyY.", ".YyyyyY....YyYyY", "..YYYY.....Y.Y..", "................",
        "................", "................", "................", "................",
    };
    art(286, kColours, key);
    const char* const spikesUp[16] = {
        // 66: needles, standing up
        "..l.....l.....l.", "..l.....l.....l.", ".lel...lel...lel", ".lel...lel...lel",
        ".lel...lel...lel", "leeel.leeel.leee", "leeel.leeel.leee", "leeel.leeel.leee",
        "leeeeleeeeeleeee", "leeeeleeeeeleeee", "EEEEEEEEEEEEEEEE", "EeEeEeEeEeEeEeEe",
        "EEEEEEEEEEEEEEEE", "................", "................", "................",
    };
    art(66, kColours, spikesUp);
    const char* const spikesSide[16] = {
        // 122: needles, lying down
        "EEE.............", "EEeeeeeel.......", "EEeeel..........", "EEE.............",
        "EEE.............", "EEeeeeeeeeel....", "EEeeel..........", "EEE.............",
        "EEE.............", "EEeeeeeeel......", "EEeeel..........", "EEE.............",
        "EEE.............", "EEeeeeeeeeeeel..", "EEeeel..........", "EEE.............",
    };
    art(122, kColours, spikesSide);
    const char* const bomb[16] = {
        // 290
        "..........o.y...", ".........y.o....", "........b.......", ".......b........",
        "......EEE.......", ".....kkkkkk.....", "...kkkkkkkkkk...", "..kkwwkkkkkkkk..",
        "..kwwkkkkkkkkk..", ".kkwkkkkkkkkkkk.", ".kkkkkkkkkkkkkk.", ".kkkkkkkkkkkkkk.",
        "..kkkkkkkkkkkk..", "..kkkkkkkkkkkk..", "...kkkkkkkkkk...", ".....kkkkkk.....",
    };
    art(290, kColours, bomb);
    const char* const friendly[16] = {
        // 12: friend
        "................", "......bbbb......", ".....bbbbbb.....", ".....ssssss.....",
        ".....skssks.....", ".....ssssss.....", ".....srrrrs.....", "......ssss......",
        "....gggggggg....", "...gggggggggg...", "..ssggggggggss..", "..ss.gggggg.ss..",
        ".....GGGGGG.....", ".....GG..GG.....", ".....GG..GG.....", "....BBB..BBB....",
    };
    art(12, kColours, friendly);
    const char* const hidden[16] = {
        // 10: hidden character
        "................", ".....llllll.....", "...llllllllll...", "..lllkkllkklll..",
        "..lllkkllkklll..", "..llllllllllll..", "..lllluuuullll..", "..llllu..ulll...",
        "..lllll..ulll...", "..lllllluulll...", "..llllluulllll..", "..llllllllllll..",
        "..lllllulllllll.", "..lll.lll.lll.l.", "..l....l....l...", "................",
    };
    art(10, kColours, hidden);
    const char* const bud[16] = {
        // 400: flower bud
        "................", "................", "................", "................",
        "................", ".......pp.......", "......pppp......", "......pGGp......",
        ".......GG.......", ".......GG.......", "....GG.GG.......", ".....GGGG.GG....",
        ".......GGGG.....", ".......GG.......", ".......GG.......", ".....BBBBBB.....",
    };
    art(400, kColours, bud);
    const char* const flower[16] = {
        // 404: flower in bloom
        "................", "......pp.pp.....", ".....pppppppp...", "....ppppyyppp...",
        "....pppyyyypp...", "....pppyyyypp...", ".....ppppyyppp..", "......pp.pp.....",
        ".......GG.......", "....GG.GG.......", ".....GGGG.GG....", ".......GGGG.....",
        ".......GG.......", ".......GG.......", ".......GG.......", ".....BBBBBB.....",
    };
    art(404, kColours, flower);
    const char* const red[16] = {
        // 124: red
        "................", "...r........r...", "...rr......rr...", "....rrrrrrrr....",
        "...rrrrrrrrrr...", "..rrwwrrrrwwrr..", "..rrwkrrrrwkrr..", "..rrrrrrrrrrrr..",
        "..rrrrRRRRrrrr..", "...rrrrrrrrrr...", "..rrrrrrrrrrrr..", ".rrrrrrrrrrrrrr.",
        ".rr.rrrrrrrr.rr.", "....rr....rr....", "...RRR....RRR...", "................",
    };
    art(124, kColours, red);
    const char* const wani[16] = {
        // 126: crocodile
        "................", "................", "................", "................",
        "..........GG....", ".........GwkG...", "GGGGGGGGGGGGGGG.", "gggggggggggggggG",
        "wgwgwgwgwgwgwgg.", "................", "wgwgwgwgwgwgwgg.", "gggggggggggggggG",
        "GGGGGGGGGGGGGGG.", "...GG.....GG....", "...GG.....GG....", "................",
    };
    art(126, kColours, wani);
    const char* const kinoko[16] = {
        // 128: mushroom
        "................", ".....RRRRRR.....", "...RRrrwwrrRR...", "..RrrrwwwwrrrR..",
        ".RrwwrrwwrrwwrR.", ".RwwwwrrrrwwwwR.", "RrwwrrrrrrrrwwrR", "RrrrrrwwwrrrrrrR",
        "RRRRRRRRRRRRRRRR", "....llllllll....", "....lkllllkl....", "....llllllll....",
        "....llllllll....", "....llllllll....", ".....llllll.....", "................",
    };
    art(128, kColours, kinoko);

    // Tiles.
    const char* const ladder[16] = {
        // 56
        "..bB........bB..", "..bbbbbbbbbbbB..", "..bBBBBBBBBBBB..", "..bB........bB..",
        "..bB........bB..", "..bbbbbbbbbbbB..", "..bBBBBBBBBBBB..", "..bB........bB..",
        "..bB........bB..", "..bbbbbbbbbbbB..", "..bBBBBBBBBBBB..", "..bB........bB..",
        "..bB........bB..", "..bbbbbbbbbbbB..", "..bBBBBBBBBBBB..", "..bB........bB..",
    };
    art(56, kColours, ladder);
    const char* const doorOpen[16] = {
        // 112: the door stands open
        "BBBBBBBBBBBBBBBB", "BkkkkkkkkkkkbbbB", "BkkkkkkkkkkkbbbB", "BkkkkkkkkkkkbbbB",
        "BkkkkkkkkkkkbbbB", "BkkkkkkkkkkkbbbB", "BkkkkkkkkkkkbybB", "BkkkkkkkkkkkbybB",
        "BkkkkkkkkkkkbbbB", "BkkkkkkkkkkkbbbB", "BkkkkkkkkkkkbbbB", "BkkkkkkkkkkkbbbB",
        "BkkkkkkkkkkkbbbB", "BkkkkkkkkkkkbbbB", "BkkkkkkkkkkkbbbB", "BBBBBBBBBBBBBBBB",
    };
    art(112, kColours, doorOpen);
    const char* const oneWay[16] = {
        // 168: passage one way only, to the right
        "EEEEEEEEEEEEEEEE", "Eeeeeeeeeeeeeeee", "Eeeeeeeeyeeeeeee", "Eeeeeeeeyyeeeeee",
        "Eeeeeeeeyyyeeeee", "Eeeeeeeeyyyyeeee", "Eyyyyyyyyyyyyeee", "Eyyyyyyyyyyyyyee",
        "Eyyyyyyyyyyyyyee", "Eyyyyyyyyyyyyeee", "Eeeeeeeeyyyyeeee", "Eeeeeeeeyyyeeeee",
        "Eeeeeeeeyyeeeeee", "Eeeeeeeeyeeeeeee", "Eeeeeeeeeeeeeeee", "EEEEEEEEEEEEEEEE",
    };
    art(168, kColours, oneWay);
    const char* const doorClosed[16] = {
        // 280: the door is shut
        "BBBBBBBBBBBBBBBB", "BbbbbbbbbbbbbbbB", "BbBBBBBbbBBBBBbB", "BbBbbbBbbBbbbBbB",
        "BbBbbbBbbBbbbBbB", "BbBBBBBbbBBBBBbB", "BbbbbbbbbbbbbbbB", "BbbbbbbbbbbyybbB",
        "BbbbbbbbbbbyybbB", "BbBBBBBbbBBBBBbB", "BbBbbbBbbBbbbBbB", "BbBbbbBbbBbbbBbB",
        "BbBbbbBbbBbbbBbB", "BbBBBBBbbBBBBBbB", "BbbbbbbbbbbbbbbB", "BBBBBBBBBBBBBBBB",
    };
    art(280, kColours, doorClosed);
    bricks(224, {230, 190, 40}, {250, 225, 110}, {120, 90, 20});  // yellow
    bricks(336, {190, 50, 40}, {230, 110, 90}, {90, 30, 25});     // red
    bricks(392, {140, 140, 150}, {190, 190, 200}, {70, 70, 80});  // grey
    bricks(448, {50, 160, 70}, {110, 210, 120}, {20, 80, 30});    // green
    bricks(114, {50, 90, 200}, {110, 150, 240}, {20, 40, 110});   // blue
}

void put16(std::vector<std::uint8_t>& out, std::uint16_t v)
{
    out.push_back(static_cast<std::uint8_t>(v & 0xff));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<std::uint8_t>((v >> (8 * i)) & 0xff));
}

std::vector<std::uint8_t> encodeBmp()
{
    const std::uint32_t rowBytes = (kWidth * 3 + 3) / 4 * 4;
    const std::uint32_t pixelBytes = rowBytes * kHeight;
    std::vector<std::uint8_t> out;
    out.push_back('B');
    out.push_back('M');
    put32(out, 14 + 40 + pixelBytes);
    put32(out, 0);
    put32(out, 14 + 40);
    put32(out, 40);  // BITMAPINFOHEADER
    put32(out, kWidth);
    put32(out, kHeight);  // positive: rows stored bottom-up
    put16(out, 1);
    put16(out, 24);
    put32(out, 0);  // BI_RGB, uncompressed
    put32(out, pixelBytes);
    put32(out, 2835);
    put32(out, 2835);
    put32(out, 0);
    put32(out, 0);
    for (int y = kHeight - 1; y >= 0; --y) {
        std::uint32_t written = 0;
        for (int x = 0; x < kWidth; ++x) {
            const Rgb c = canvas[static_cast<std::size_t>(y * kWidth + x)];
            out.push_back(c.b);
            out.push_back(c.g);
            out.push_back(c.r);
            written += 3;
        }
        for (; written < rowBytes; ++written)
            out.push_back(0);
    }
    return out;
}

// The key: it opens every stage, and reads at 16 pixels.
constexpr int kIconTile = 286;

int writeIcon(int size, const char* path)
{
    if (size < 16 || size % 16 != 0) {
        std::fprintf(stderr, "maketiles: an icon is a multiple of 16 pixels, not %d\n", size);
        return 2;
    }
    QImage icon(size, size, QImage::Format_RGB32);
    const int scale = size / 16;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const Rgb c = canvas[static_cast<std::size_t>((originY(kIconTile) + y / scale) * kWidth +
                                                          originX(kIconTile) + x / scale)];
            icon.setPixel(x, y, qRgb(c.r, c.g, c.b));
        }
    if (!icon.save(QString::fromLocal8Bit(path), "PNG")) {
        std::fprintf(stderr, "maketiles: cannot write %s\n", path);
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc == 4 && std::strcmp(argv[1], "--icon") == 0) {
        drawSheet();
        return writeIcon(std::atoi(argv[2]), argv[3]);
    }
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.bmp [--if-absent] | --icon SIZE OUTPUT.png\n", argv[0]);
        return 2;
    }
    const std::filesystem::path path = argv[1];
    const bool ifAbsent = argc > 2 && std::strcmp(argv[2], "--if-absent") == 0;
    if (ifAbsent && std::filesystem::exists(path))
        return 0;

    drawSheet();
    const std::vector<std::uint8_t> bytes = encodeBmp();
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!file) {
        std::fprintf(stderr, "maketiles: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
