#include "model/catalogue.h"

namespace kelmor {

namespace {
struct Entry {
    int value;
    const char* name;
    std::int16_t tile;
};

// Mind the two kinds of parentheses: the game's data mixes full-width and ASCII.
constexpr Entry kEntries[] = {
    {0, "ハキュラ", 282},
    {1, "コウモリ", 340},
    {2, "与作", 4},
    {3, "丸い敵", 116},
    {4, "踏み台", 228},
    {5, "破壊可能な壁", 284},
    {6, "移動可能ブロック", 6},
    {7, "シルビア", 170},
    {8, "GOLD", 62},
    {9, "ハート", 174},
    {10, "KEY", 286},
    {11, "針（縦）", 66},
    {12, "針（横）", 122},
    {13, "爆弾(点火前)", 290},
    {14, "爆弾(点火中)", 290},
    {15, "友達", 12},
    {16, "GOLD2(落下あり)", 62},
    {17, "隠れキャラ", 10},
    {18, "踏み台(縦)", 228},
    {19, "花(芽)", 400},
    {20, "花(咲く)", 404},
    {21, "red", 124},
    {22, "wani", 126},
    {23, "kinoko", 128},
    {100, "空白", 0},
    {101, "ハシゴ", 56},
    {102, "ドア（開いてる）", 112},
    {103, "一方通行", 168},
    {104, "レンガ2（黄）", 224},
    {105, "ドア（閉じてる）", 280},
    {106, "レンガ1(赤)", 336},
    {107, "レンガ3（灰）", 392},
    {108, "レンガ4（緑）", 448},
    {109, "レンガ（青）", 114},
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
