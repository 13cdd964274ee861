// Any argument vector: either refused with a reason (exit 2) or a request
// whose every value is one the commands can act on, and the same request
// each time it is read.
#include <array>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/commandline.h"
#include "fuzzinput.h"
#include "model/mapnumber.h"

using namespace kelmor;

namespace {
void mustBe(bool holds)
{
    if (!holds)
        std::abort();
}

// A piece that starts with a byte below 0x20 stands for one of these, so
// that the fuzzer reaches the options without guessing their names.
constexpr std::array kWords{"--list",
                            "--check",
                            "--diff",
                            "--textconv",
                            "--merge",
                            "--move-map",
                            "--insert-map",
                            "--delete-map",
                            "--export-png",
                            "--export-sheet",
                            "--thumbnail",
                            "--scale",
                            "--columns",
                            "--maps",
                            "--grid",
                            "--codes",
                            "--marker",
                            "--force",
                            "--",
                            "--help",
                            "--version",
                            "-",
                            "0",
                            "32768",
                            "1-2",
                            "/nonexistent",
                            "new.cnf",
                            ".",
                            "--language",
                            "en"};

bool sameRequest(const StartRequest& a, const StartRequest& b)
{
    const ExportOptions &p = a.picture, &q = b.picture;
    return a.action == b.action && a.folder == b.folder && a.levelName == b.levelName && a.problem == b.problem &&
           a.oldFolder == b.oldFolder && a.oldLevelName == b.oldLevelName && a.merged == b.merged &&
           a.mergeName == b.mergeName && p.out == q.out && p.map == q.map && p.scale == q.scale && p.grid == q.grid &&
           p.codes == q.codes && p.marker == q.marker && p.force == q.force && p.columns == q.columns &&
           p.first == q.first && p.last == q.last && p.size == q.size && a.order.kind == b.order.kind &&
           a.order.from == b.order.from && a.order.to == b.order.to && a.language == b.language;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput in(data, size);
    std::vector<std::string> args;
    while (!in.rest().empty() && args.size() < 16) {
        const std::string_view piece = in.piece();
        if (!piece.empty() && static_cast<unsigned char>(piece[0]) < 0x20)
            args.emplace_back(std::string(kWords[static_cast<std::size_t>(piece[0]) % kWords.size()]) +
                              std::string(piece.substr(1)));
        else
            args.emplace_back(piece);
    }
    using Action = StartRequest::Action;
    const StartRequest request = parseCommandLine(args, "/program-folder");
    mustBe(sameRequest(request, parseCommandLine(args, "/program-folder")));
    switch (request.action) {
    case Action::Refuse: mustBe(!request.problem.empty()); return 0;
    case Action::Help:
    case Action::Version: return 0;
    case Action::Merge: mustBe(request.merged.size() == 3); return 0;
    default: break;
    }
    mustBe(request.problem.empty() && !request.folder.empty() && !request.levelName.empty());
    const ExportOptions& picture = request.picture;
    mustBe(picture.scale >= 1 && picture.scale <= 16);
    mustBe(picture.columns >= 0 && picture.columns <= 1000);
    mustBe(picture.first >= 1 && (picture.last == 0 || (picture.last >= picture.first && picture.last <= kLastMapNo)));
    // Each option only with the command it belongs to.
    mustBe(request.language.empty() ||
           (request.action == Action::Edit && (request.language == "ja" || request.language == "en")));
    if (request.action != Action::ExportPng)
        mustBe(picture.scale == 1 && !picture.grid && !picture.codes && !picture.marker);
    if (request.action != Action::ExportSheet)
        mustBe(picture.columns == 0 && picture.first == 1 && picture.last == 0);
    if (request.action == Action::ExportPng)
        mustBe(picture.map >= 1 && picture.map <= kLastMapNo);
    if (request.action == Action::Thumbnail)
        mustBe(picture.size >= 1 && picture.size <= 4096);
    if (request.action == Action::Diff)
        mustBe(!request.oldFolder.empty() && !request.oldLevelName.empty());
    if (request.action == Action::ChangeOrder) {
        const MapOrderChange& order = request.order;
        mustBe(order.from >= 1 && order.from <= kLastMapNo + 1);
        if (order.kind == MapOrderChange::Kind::Move)
            mustBe(order.to >= 1 && order.to <= kLastMapNo + 1);
    }
    return 0;
}
