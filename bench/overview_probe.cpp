// Peak resident memory of the editor on a level file, in KiB, with マップ一覧
// opened and scrolled to its end or without it:
//   overview_probe with|without FOLDER
#include <QAction>
#include <QApplication>
#include <QListView>
#include <cstdio>
#include <cstring>
#include <sys/resource.h>

#include "app/asker.h"
#include "app/form1.h"
#include "app/overviewwindow.h"
#include "document/mapoverview.h"

using namespace kelmor;

namespace {
class QuietAsker final : public Asker {
public:
    bool askYesNo(const QString&) override { return false; }
    void notify(const QString&) override {}
    std::optional<QString> askText(const QString&) override { return std::nullopt; }
};
}  // namespace

int main(int argc, char* argv[])
{
    if (argc != 3)
        return 2;
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    QuietAsker asker;
    const auto ops = makePosixFileOps();
    Form1 form(argv[2], asker, *ops);
    form.show();
    form.grab();
    if (std::strcmp(argv[1], "with") == 0) {
        form.findChild<QAction*>(QStringLiteral("overviewAction"))->trigger();
        QListView* list = form.overview()->list();
        list->viewport()->grab();
        form.overview()->maps().listAll();
        list->scrollToBottom();
        list->viewport()->grab();
        std::printf("# maps listed: %d\n", list->model()->rowCount());
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("%ld\n", usage.ru_maxrss);
    return 0;
}
