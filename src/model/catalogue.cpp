#include "model/catalogue.h"

// Marks the names for Qt's translation tools, which find them by this name,
// while the catalogue stays free of Qt: the names are translated where the
// window shows them.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif

namespace kelmor {

namespace {
struct Entry {
    int value;
    const char* name;
    std::int16_t tile;
};

// Mind the two kinds of parentheses: the game's data mixes full-width and ASCII.
constexpr Entry kEntries[] = {
    {0, QT_TRANSLATE_NOOP("Catalogue", "ハキュラ"), 282},
    {1, QT_TRANSLATE_NOOP("Catalogue", "コウモリ"), 340},
    {2, QT_TRANSLATE_NOOP("Catalogue", "与作"), 4},
    {3, QT_TRANSLATE_NOOP("Catalogue", "丸い敵"), 116},
    {4, QT_TRANSLATE_NOOP("Catalogue", "踏み台"), 228},
    {5, QT_TRANSLATE_NOOP("Catalogue", "破壊可能な壁"), 284},
    {6, QT_TRANSLATE_NOOP("Catalogue", "移動可能ブロック"), 6},
    {7, QT_TRANSLATE_NOOP("Catalogue", "シルビア"), 170},
    {8, QT_TRANSLATE_NOOP("Catalogue", "GOLD"), 62},
    {9, QT_TRANSLATE_NOOP("Catalogue", "ハート"), 174},
    {10, QT_TRANSLATE_NOOP("Catalogue", "KEY"), 286},
    {11, QT_TRANSLATE_NOOP("Catalogue", "針（縦）"), 66},
    {12, QT_TRANSLATE_NOOP("Catalogue", "針（横）"), 122},
    {13, QT_TRANSLATE_NOOP("Catalogue", "爆弾(点火前)"), 290},
    {14, QT_TRANSLATE_NOOP("Catalogue", "爆弾(点火中)"), 290},
    {15, QT_TRANSLATE_NOOP("Catalogue", "友達"), 12},
    {16, QT_TRANSLATE_NOOP("Catalogue", "GOLD2(落下あり)"), 62},
    {17, QT_TRANSLATE_NOOP("Catalogue", "隠れキャラ"), 10},
    {18, QT_TRANSLATE_NOOP("Catalogue", "踏み台(縦)"), 228},
    {19, QT_TRANSLATE_NOOP("Catalogue", "花(芽)"), 400},
    {20, QT_TRANSLATE_NOOP("Catalogue", "花(咲く)"), 404},
    {21, QT_TRANSLATE_NOOP("Catalogue", "red"), 124},
    {22, QT_TRANSLATE_NOOP("Catalogue", "wani"), 126},
    {23, QT_TRANSLATE_NOOP("Catalogue", "kinoko"), 128},
    {100, QT_TRANSLATE_NOOP("Catalogue", "空白"), 0},
    {101, QT_TRANSLATE_NOOP("Catalogue", "ハシゴ"), 56},
    {102, QT_TRANSLATE_NOOP("Catalogue", "ドア（開いてる）"), 112},
    {103, QT_TRANSLATE_NOOP("Catalogue", "一方通行"), 168},
    {104, QT_TRANSLATE_NOOP("Catalogue", "レンガ2（黄）"), 224},
    {105, QT_TRANSLATE_NOOP("Catalogue", "ドア（閉じてる）"), 280},
    {106, QT_TRANSLATE_NOOP("Catalogue", "レンガ1(赤)"), 336},
    {107, QT_TRANSLATE_NOOP("Catalogue", "レンガ3（灰）"), 392},
    {108, QT_TRANSLATE_NOOP("Catalogue", "レンガ4（緑）"), 448},
    {109, QT_TRANSLATE_NOOP("Catalogue", "レンガ（青）"), 114},
};
}  // namespace

int Catalogue::tileOf(int cellValue) const
{
    if (cellValue < 0 || cellValue >= kCatalogueSize)
        return 0;
    return partsTile[static_cast<std::size_t>(cellValue)];
}

Catalogue standardCatalogue()
{
    Catalogue c;
    for (const Entry& e : kEntries) {
        c.partsName[static_cast<std::size_t>(e.value)] = e.name;
        c.partsTile[static_cast<std::size_t>(e.value)] = e.tile;
    }
    return c;
}

}  // namespace kelmor
