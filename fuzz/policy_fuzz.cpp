// Any sequence of what a person does to the map on screen: after each step,
// once the recovery file is brought up to date, it holds exactly the map on
// screen whenever that map is marked and differs from the file, and it is
// gone whenever the map is as the file holds it (or can never be saved).
#include <QCoreApplication>
#include <cstdlib>
#include <fstream>
#include "document/mapdocument.h"
#include "fuzzinput.h"
#include "scratchfolder.h"
#include "model/blanktemplate.h"

using namespace kelmor;

namespace {
void mustBe(bool holds)
{
    if (!holds)
        std::abort();
}

std::string readAll(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// Three maps, the second one's rows cut off or damaged as the input says.
std::string levelBytes(std::uint8_t shape)
{
    std::string bytes;
    for (int m = 1; m <= 3; ++m) {
        bytes += "*MAP00" + std::to_string(m) + "\r\n";
        const int rows = m == 2 && shape % 4 == 1 ? 12 : kMapRows;
        for (int r = 0; r < rows; ++r)
            bytes += (m == 2 && shape % 4 == 2 && r == 5 ? std::string("*STRAY")
                                                         : std::string(kMapColumns, static_cast<char>('0' + m))) +
                     "\r\n";
    }
    return bytes;
}

void check(MapDocument& doc, const std::string& recoveryPath)
{
    doc.settleRecovery();
    const std::string bytes = readAll(recoveryPath);
    const bool kept = access(recoveryPath.c_str(), F_OK) == 0;
    if (!doc.differsFromFile() || doc.unsavable())
        mustBe(!kept);
    else if (doc.marked())
        mustBe(kept);
    if (!kept)
        return;
    const std::optional<Recovery> recovery = decodeRecovery(bytes);
    mustBe(recovery.has_value());
    mustBe(recovery->level == doc.levelFile().path() && recovery->mapNo == doc.mapNo() &&
           recovery->created == doc.origin().created && recovery->header == doc.headerBytes() &&
           recovery->rows == doc.rows());
}
}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const std::unique_ptr<FileOps> ops = makePosixFileOps();
    FuzzInput in(data, size);
    const std::string dir = scratchFolder();
    const std::string recoveryPath = dir + "/.kelmor.cnf.recover";
    std::ofstream(dir + "/kelmor.cnf", std::ios::binary | std::ios::trunc) << levelBytes(in.byte());
    std::remove(recoveryPath.c_str());

    MapDocument doc(*ops, dir, "kelmor.cnf");
    doc.load(1 + in.byte() % 3);
    check(doc, recoveryPath);
    for (int step = 0; step < 24 && !in.rest().empty(); ++step) {
        const std::uint8_t what = in.byte();
        const CellPos cell{in.byte() % kMapColumns, in.byte() % kMapRows};
        const char code = static_cast<char>("0123AB  "[in.byte() % 8]);
        switch (what % 13) {
        case 0:  // a pen press
            doc.markPressed();
            doc.putCells({{cell, code}}, QStringLiteral("pen"), 0, MapDocument::StepWhen::Always);
            break;
        case 1:  // a brush stroke's next cell
            doc.putCells({{cell, code}}, QStringLiteral("brush"), 7);
            break;
        case 2:  // a pick
            doc.markPressed();
            break;
        case 3: doc.editHeader(QStringLiteral("*MAP00") + QChar(u'1' + cell.column % 4)); break;
        case 4: doc.editHeader(doc.header() + QChar(u'a' + cell.row)); break;
        case 5: doc.save([&](MapNumber) { return cell.row % 2 == 0; }); break;
        case 6: doc.declineSave(); break;
        case 7: doc.load(1 + cell.column % 4); break;
        case 8: doc.create(4 + cell.row % 3); break;
        case 9: doc.duplicate(4 + cell.row % 3); break;
        case 10: doc.erase(); break;
        case 11:
            if (cell.row % 2 == 0)
                doc.history().undo();
            else
                doc.history().redo();
            break;
        case 12: {
            FileStamp stamp;
            doc.levelFile().stamp(stamp);
            const MapCount count = doc.levelFile().countMaps();
            const std::int64_t from = 1 + cell.column % count.count;
            const std::int64_t to = 1 + cell.row % count.count;
            doc.changeOrder(code == '0' ? MapOrderChange::remove(from) : MapOrderChange::move(from, to), stamp);
            if (doc.deletedOnScreen())
                doc.load(from);
            break;
        }
        }
        if (what & 0x80)  // let the moment pass, as between two presses
            QCoreApplication::processEvents();
        check(doc, recoveryPath);
    }
    doc.close();
    mustBe(access(recoveryPath.c_str(), F_OK) != 0);
    return 0;
}
