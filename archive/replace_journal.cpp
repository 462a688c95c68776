// replace_journal.cpp -- moving files aside, rolling an extraction back and
// committing it.
#include "archive/replace_journal.h"

namespace ZEPHYRA_NAMESPACE {

const char16_t kBackupFolderName[] = u"~zephyra-backup";

namespace {

std::u16string Join(const std::u16string& folder, const std::u16string& name) {
  std::u16string out = folder;
  while (out.size() > 1 && (out.back() == u'\\' || out.back() == u'/')) out.pop_back();
  out.push_back(kYdPathSeparator);
  return out + name;
}

std::u16string Number(uint32_t n) {
  const std::string digits = std::to_string(n);
  return std::u16string(digits.begin(), digits.end());
}

}  // namespace

bool YdReplaceJournal::EnsureBackupFolder(int* error) {
  if (!backup_folder_.empty()) return true;
  std::u16string folder = Join(target_, kBackupFolderName);
  for (uint32_t n = 1; file_system_.Probe(folder) != YdPathKind::kNone; ++n) {
    if (n > 1000) {
      *error = kYdErrorAlreadyExists;
      return false;
    }
    folder = Join(target_, kBackupFolderName + (u"." + Number(n)));
  }
  if (!file_system_.MakeDirectory(folder, error)) return false;
  backup_folder_ = folder;
  CreatedFolder(folder);
  return true;
}

bool YdReplaceJournal::MoveAside(const std::u16string& path, int* error) {
  if (!EnsureBackupFolder(error)) return false;
  const std::u16string backup = Join(backup_folder_, Number(moved_aside_ + 1));
  if (!file_system_.RenamePath(path, backup, error)) return false;
  ++moved_aside_;
  records_.push_back({JournalStep::kMovedAside, path, backup});
  return true;
}

std::vector<JournalAction> YdReplaceJournal::Rollback() {
  std::vector<JournalAction> actions;
  for (auto it = records_.rbegin(); it != records_.rend(); ++it) {
    JournalAction action{JournalAction::kRemovedFile, it->path, true, 0};
    switch (it->step) {
      case JournalStep::kWroteFile:
        // A file written, then moved aside again by a later entry of the
        // same name, is no longer there: nothing to remove.
        if (file_system_.Probe(it->path) == YdPathKind::kFile) {
          action.ok = file_system_.RemoveFile(it->path, &action.systemError);
        }
        break;
      case JournalStep::kMovedAside:
        action.kind = JournalAction::kRestoredFile;
        action.ok = file_system_.RenamePath(it->backup, it->path, &action.systemError);
        break;
      case JournalStep::kCreatedFolder:
        action.kind = JournalAction::kRemovedFolder;
        action.ok = file_system_.RemoveEmptyDirectory(it->path, &action.systemError);
        break;
    }
    actions.push_back(action);
  }
  records_.clear();
  backup_folder_.clear();
  return actions;
}

std::vector<JournalAction> YdReplaceJournal::Commit() {
  std::vector<JournalAction> actions;
  for (const JournalRecord& record : records_) {
    if (record.step != JournalStep::kMovedAside) continue;
    JournalAction action{JournalAction::kDeletedBackup, record.backup, true, 0};
    if (!file_system_.RemoveFile(record.backup, &action.systemError)) {
      action.kind = JournalAction::kBackupAtRestart;
      action.ok = file_system_.DeleteAtRestart(record.backup);
    }
    actions.push_back(action);
  }
  if (!backup_folder_.empty()) {
    JournalAction action{JournalAction::kRemovedFolder, backup_folder_, true, 0};
    if (!file_system_.RemoveEmptyDirectory(backup_folder_, &action.systemError)) {
      // Registered after the files inside it, so it is empty by then.
      action.kind = JournalAction::kBackupAtRestart;
      action.ok = file_system_.DeleteAtRestart(backup_folder_);
    }
    actions.push_back(action);
  }
  records_.clear();
  backup_folder_.clear();
  return actions;
}

}  // namespace ZEPHYRA_NAMESPACE
