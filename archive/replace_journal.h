// replace_journal.h -- YdReplaceJournal: what an extraction changed in its
// target folder, kept so that it can be undone. An existing file is moved
// aside into a backup folder inside the target (a rename on the same volume:
// atomic, it keeps the file's bytes, times and attributes, and it works for
// a running program's file, which can be renamed but not overwritten);
// written files and created folders are recorded. Rollback undoes it all in
// reverse order; Commit removes the backups, and one still in use is left
// for deletion at the next restart.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "archive/file_system.h"

namespace ZEPHYRA_NAMESPACE {

// Name of the backup folder inside the target; a number is appended when a
// folder of that name is there already (left by an interrupted run).
extern const char16_t kBackupFolderName[];

enum class JournalStep { kCreatedFolder, kWroteFile, kMovedAside };

struct JournalRecord {
  JournalStep step = JournalStep::kWroteFile;
  std::u16string path;    // the folder or file in the target
  std::u16string backup;  // kMovedAside: where the previous file lies now
};

// One action of Rollback or Commit, for the install log.
struct JournalAction {
  enum Kind { kRemovedFile, kRestoredFile, kRemovedFolder, kDeletedBackup, kBackupAtRestart } kind;
  std::u16string path;
  bool ok = true;
  int systemError = 0;
};

class YdReplaceJournal {
 public:
  // `file_system` (not owned) must outlive the journal.
  explicit YdReplaceJournal(YdFileSystem& file_system) : file_system_(file_system) {}
  YdReplaceJournal(const YdReplaceJournal&) = delete;
  YdReplaceJournal& operator=(const YdReplaceJournal&) = delete;

  // The folder the extraction writes into; the backup folder goes there.
  void SetTarget(const std::u16string& target) { target_ = target; }

  // Moves the existing file at `path` into the backup folder (created on
  // first use). False with *error when that is impossible, e.g. a file held
  // open by another program without delete sharing.
  bool MoveAside(const std::u16string& path, int* error);
  void WroteFile(const std::u16string& path) { records_.push_back({JournalStep::kWroteFile, path, {}}); }
  void CreatedFolder(const std::u16string& path) { records_.push_back({JournalStep::kCreatedFolder, path, {}}); }

  // Undoes every record, newest first: written files removed, previous
  // files moved back, created folders (the backup folder among them)
  // removed. Goes on past a failure; every action is listed.
  std::vector<JournalAction> Rollback();
  // Keeps the new files: deletes the backups and the backup folder; what is
  // still in use is deleted at the next restart.
  std::vector<JournalAction> Commit();

  // True when an existing file was moved aside (before or after Rollback or
  // Commit): the target held a previous installation. A journal serves one
  // extraction.
  bool ReplacedExistingFiles() const { return moved_aside_ != 0; }
  const std::vector<JournalRecord>& Records() const { return records_; }
  const std::u16string& BackupFolder() const { return backup_folder_; }

 private:
  bool EnsureBackupFolder(int* error);

  YdFileSystem& file_system_;
  std::u16string target_;
  std::u16string backup_folder_;  // empty until the first file is moved aside
  std::vector<JournalRecord> records_;
  uint32_t moved_aside_ = 0;
};

}  // namespace ZEPHYRA_NAMESPACE
