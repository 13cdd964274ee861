#pragma once

#include <QString>
#include <optional>

#include "app/commandline.h"
#include "edit/placepick.h"
#include "fs/filefailure.h"
#include "levelfile/levelfile.h"
#include "levelfile/savelevel.h"
#include "model/mapnumber.h"
#include "recovery/recovery.h"
#include "document/tilesheet.h"

namespace kelmor {

// What the window says of a failure, composed in one place from the failure
// alone: each is a pure function, so every failure's words are checked
// without a window. `levelName` is the level file as the user knows it.

// The system's own words for an errno.
QString reasonOf(int error);

// Loading a map: nothing for no failure.
QString loadFailureText(const FileFailure& failure);
// Counting maps, where `stopped` says what cannot go on ("マップを作成できません").
QString countFailureText(const FileFailure& failure, const QString& stopped);
// A map read again after another program's change that cannot be shown
// (the file unreadable, or holding no map): the map on screen stays.
QString rereadFailureText(const MapLoad& result, const QString& levelName, MapNumber mapNo);
// A save that failed (not one declined or left with a conflict).
QString saveFailureText(const SaveReport& report, MapNumber mapNo, const QString& levelName);
// The recovery file: a write or a removal that failed.
QString recoveryFailureText(const FileFailure& failure);
// The tile sheet could not be read at start-up (missing or not a bitmap).
QString tileSheetFailureText(TileSheet::Status status);
// The tile sheet changed but could not be read again: the old tiles stay.
QString tileSheetChangeFailureText();
// A map with fewer than 17 rows in the file.
QString cutOffText(const LoadedMap& loaded, const QString& levelName);
// A map read damaged: what is wrong, and that it is never saved.
QString damageText(const LoadedMap& loaded, const QString& levelName);
// A damaged map is not saved, nor duplicated.
QString damagedNotSavedText(MapNumber mapNo, const QString& levelName);
QString damagedNotDuplicatedText(MapNumber mapNo, const QString& levelName);
// No map past the last map number.
QString overflowText();
// The question at start-up: restore the edits a dead editor left?
QString recoveryOfferText(const QString& levelName, const Recovery& recovery);
// A recovery file that cannot be used, set aside as `keptAs` (or left
// where it is, when `failure` says renaming it failed).
QString recoveryAsideText(const QString& fileName, const QString& levelName, RecoveryUse use,
                          const std::optional<Recovery>& recovery, const FileFailure& failure, const QString& keptAs);

// A save whose map changed again while its overwrite was asked.
QString changedAgainText(MapNumber mapNo, MapNumber other, const QString& levelName);
// Why a typed map number is refused, with the numbers there are (1 to
// `last`; none when `last` is 0); nothing when it is a map.
QString goToRefusalText(const QString& typed, MapNumber last, const QString& levelName);
// Why `code` was not put into the map, with what the map accepts.
QString codeRefusedText(char32_t code, CodeRefusal why);
// A paste refused for the character at `line` and `column` of its text (from 1).
QString pasteRefusedText(char32_t code, int line, int column, CodeRefusal why);
// A change of the maps' order from マップ一覧 that was refused, or that
// failed (nothing for neither).
QString orderRefusedText(const OrderReport& report, const QString& levelName);
// An undo or redo of such a change that the file no longer allows.
QString orderUndoRefusedText(bool undo, const QString& levelName);
// The question before a map is deleted from the level file.
QString deleteMapQuestion(MapNumber mapNo, const QString& header);
// The status bar's word after a blank map was put in.
QString mapInsertedText(MapNumber mapNo, const QString& header);
// A path to open that names no level file (see locateLevel), one that
// cannot be read, and a recent file that is gone.
QString openRefusedText(const QString& path, LevelLocation::Refusal why);
QString openUnreadableText(const QString& path, const QString& reason);
QString recentGoneText(const QString& path);
// The keys, for the help menu.
QString keysText();

}  // namespace kelmor
