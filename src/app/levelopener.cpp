#include "app/levelopener.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>

#include "app/asker.h"
#include "app/commandline.h"
#include "app/form1.h"
#include "app/leveldialog.h"
#include "app/messages.h"
#include "app/openactions.h"
#include "app/recentfiles.h"
#include "fs/fileops.h"

namespace kelmor {

LevelOpener::LevelOpener(Asker& asker, FileOps& fileOps, RecentFiles& recent, Chooser choose)
    : asker_(asker),
      fileOps_(fileOps),
      recent_(recent),
      choose_(choose ? std::move(choose) : Chooser(chooseLevel))
{}

LevelOpener::~LevelOpener() = default;

Form1& LevelOpener::start(const std::string& folder, const std::string& levelName)
{
    return make(folder, levelName, {});
}

Form1& LevelOpener::make(const std::string& folder, const std::string& levelName, const QString& given)
{
    window_ = std::make_unique<Form1>(folder, levelName, asker_, fileOps_);
    // Opened or saved: the recent files' front, as the path the user gave.
    const QString remembered = given.isEmpty() ? window_->document().levelPath() : given;
    recent_.add(remembered);
    connect(&window_->document(), &MapDocument::saved, this, [this, remembered] { recent_.add(remembered); });
    auto* actions = new OpenActions(*window_, recent_);
    connect(actions, &OpenActions::openChosen, this, &LevelOpener::chooseAndOpen);
    connect(actions, &OpenActions::openRequested, this, &LevelOpener::open);
    connect(actions, &OpenActions::recentChosen, this, &LevelOpener::openRecent);
    connect(actions, &OpenActions::recentCleared, this, [this] { recent_.clear(); });
    return *window_;
}

QString LevelOpener::refusalOf(const std::string& folder, const std::string& levelName) const
{
    const std::string path = folder + "/" + levelName;
    int error = 0;
    if (fileOps_.openRead(path, error) == nullptr && error != ENOENT)
        return openUnreadableText(QFile::decodeName(QByteArray::fromStdString(path)), reasonOf(error));
    return {};
}

bool LevelOpener::open(const QString& path)
{
    const LevelLocation location = locateLevel(QFile::encodeName(path).toStdString());
    if (location.refusal != LevelLocation::Refusal::None) {
        asker_.notify(openRefusedText(path, location.refusal));
        return false;
    }
    if (const QString refusal = refusalOf(location.folder, location.levelName); !refusal.isEmpty()) {
        asker_.notify(refusal);
        return false;
    }
    // The old file is left as closing leaves it.
    if (window_ && !window_->Form_Unload())
        return false;
    std::unique_ptr<Form1> old = std::move(window_);
    LetGoEdits letGo;
    if (old) {
        old->document().leave();
        letGo = old->document().letGo();
        old->document().close();
    }
    Form1& next = make(location.folder, location.levelName, path);
    next.document().letGo().takeOlder(std::move(letGo));
    if (old) {
        next.setGeometry(old->geometry());
        if (old->isVisible())
            next.show();
        old->hide();
        // It may be what asked for the opening: gone once that is done.
        old.release()->deleteLater();
    }
    emit windowChanged(&next);
    return true;
}

void LevelOpener::chooseAndOpen()
{
    if (!window_)
        return;
    const QString folder = QFileInfo(window_->document().levelPath()).absolutePath();
    if (const std::optional<QString> chosen = choose_(*window_, folder))
        open(*chosen);
}

void LevelOpener::openRecent(const QString& path)
{
    if (!QFileInfo::exists(path)) {
        asker_.notify(recentGoneText(path));
        recent_.remove(path);
        return;
    }
    open(path);
}

}  // namespace kelmor
