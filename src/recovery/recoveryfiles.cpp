#include "recovery/recoveryfiles.h"

#include <cerrno>

#include "recovery/recovery.h"

namespace kelmor {

namespace {

// As many editors of one level file as anyone runs at once, and more.
constexpr int kSlots = 8;
constexpr int kAsideNames = 100;

std::string readAll(ByteSource& source)
{
    std::string bytes;
    char buffer[16 * 1024];
    while (bytes.size() <= kMaxRecoveryBytes) {
        const std::size_t n = source.read(buffer, sizeof buffer);
        if (n == 0)
            break;
        bytes.append(buffer, n);
    }
    if (bytes.size() > kMaxRecoveryBytes)
        bytes.resize(kMaxRecoveryBytes + 1);
    return bytes;
}

}  // namespace

RecoveryFiles::RecoveryFiles(FileOps& ops, std::string folder, std::string levelName)
    : ops_(ops),
      folder_(std::move(folder)),
      levelName_(std::move(levelName))
{}

std::string RecoveryFiles::nameOf(int slot) const
{
    std::string name = "." + levelName_ + ".recover";
    return slot == 0 ? name : name + "-" + std::to_string(slot + 1);
}

std::vector<RecoveryOrphan> RecoveryFiles::orphans()
{
    std::vector<RecoveryOrphan> found;
    int error = 0;
    // Editors claim names under the folder's lock; none is half-claimed now.
    const std::unique_ptr<FolderLock> folderLock = ops_.lockFolder(folder_, error);
    for (int slot = 0; slot < kSlots; ++slot) {
        RecoveryOrphan orphan{slot, nameOf(slot), {}, ops_.openLocked(pathOf(nameOf(slot)), error)};
        if (!orphan.hold && error != ENOENT)
            continue;  // a running editor's, or unreadable: left as it is
        // Nobody writes this scratch file: its editor died, or it has none.
        ops_.remove(pathOf(nameOf(slot) + ".tmp"));
        if (!orphan.hold)
            continue;
        orphan.bytes = readAll(*orphan.hold);
        found.push_back(std::move(orphan));
    }
    return found;
}

void RecoveryFiles::adopt(RecoveryOrphan orphan)
{
    const std::lock_guard guard(mutex_);
    own_ = orphan.slot;
    adopted_ = std::move(orphan.hold);
    written_.reset();
}

FileFailure RecoveryFiles::discard(RecoveryOrphan& orphan)
{
    const int error = ops_.remove(pathOf(orphan.name));
    orphan.hold.reset();
    return error != 0 && error != ENOENT ? FileFailure{FileStep::Remove, orphan.name, error} : FileFailure{};
}

FileFailure RecoveryFiles::setAside(RecoveryOrphan& orphan, std::string& keptAs)
{
    int error = EEXIST;
    for (int n = 1; n <= kAsideNames && error == EEXIST; ++n) {
        keptAs = orphan.name + ".kept";
        if (n > 1)
            keptAs.append("-").append(std::to_string(n));
        error = ops_.renameNew(pathOf(orphan.name), pathOf(keptAs));
    }
    orphan.hold.reset();
    return error != 0 ? FileFailure{FileStep::Rename, orphan.name, error} : FileFailure{};
}

FileFailure RecoveryFiles::write(std::string_view bytes)
{
    const std::lock_guard guard(mutex_);
    return own_ < 0 ? claim(bytes) : writeSlot(own_, bytes, false);
}

FileFailure RecoveryFiles::claim(std::string_view bytes)
{
    int error = 0;
    // Two editors never take the same name: orphans() and every claim hold
    // the folder's lock. A folder that cannot be locked is written unlocked.
    const std::unique_ptr<FolderLock> folderLock = ops_.lockFolder(folder_, error);
    if (!folderLock && error == EWOULDBLOCK)
        return {FileStep::Lock, nameOf(0), error};
    for (int slot = 0; slot < kSlots; ++slot) {
        FileFacts facts;
        if (ops_.inspect(pathOf(nameOf(slot)), facts) == 0 && !facts.exists)
            return writeSlot(slot, bytes, true);
    }
    return {FileStep::Create, nameOf(0), EEXIST};
}

FileFailure RecoveryFiles::writeSlot(int slot, std::string_view bytes, bool claiming)
{
    const std::string name = nameOf(slot);
    const std::string scratch = pathOf(name + ".tmp");
    // Whatever stands at the scratch name is an earlier attempt of this
    // editor, or a dead one's: gone first, as O_EXCL wants.
    // Failures name the recovery file: the scratch file is its making.
    if (const int err = ops_.remove(scratch); err != 0 && err != ENOENT)
        return {FileStep::Create, name, err};
    int error = 0;
    std::unique_ptr<WriteFile> file = ops_.create(scratch, 0600, error);
    if (!file)
        return {FileStep::Create, name, error};
    // Locked before it takes the name, so that the name never points to an
    // unlocked file while this editor runs. Where locks are not supported
    // the file is written all the same.
    file->lock();
    FileFailure failure;
    if ((error = file->write(bytes.data(), bytes.size())) != 0)
        failure = {FileStep::Write, name, error};
    else if ((error = file->flushToDisk()) != 0)
        failure = {FileStep::Flush, name, error};
    else if ((error = ops_.renameOver(scratch, pathOf(name))) != 0)
        failure = {FileStep::Rename, name, error};
    if (failure.failed()) {
        file.reset();
        ops_.remove(scratch);
        return failure;
    }
    if (claiming)
        own_ = slot;
    written_ = std::move(file);  // kept open: its lock marks the file as this editor's
    adopted_.reset();
    if ((error = ops_.syncFolder(folder_)) != 0)
        return {FileStep::Folder, folder_, error};
    return {};
}

FileFailure RecoveryFiles::remove()
{
    const std::lock_guard guard(mutex_);
    if (own_ < 0)
        return {};
    const std::string name = nameOf(own_);
    const int error = ops_.remove(pathOf(name));
    if (error != 0 && error != ENOENT)
        return {FileStep::Remove, name, error};
    own_ = -1;
    written_.reset();
    adopted_.reset();
    return {};
}

}  // namespace kelmor
