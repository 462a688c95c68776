// unpack_payload.cpp -- the unpack step: free-space check, staged
// extraction, then commit or rollback.
#include "app/worker/unpack_payload.h"

#include <string>
#include <vector>

#include "app/install/install_log.h"
#include "app/worker/unpaker_progress.h"
#include "archive/replace_journal.h"
#include "archive/res_unpacker.h"
#include "archive/space_needed.h"
#include "archive/ydz_format.h"

namespace ZEPHYRA_NAMESPACE {
namespace {

// Detaches the unpacker from the progress object before it is destroyed,
// whatever way the step ends.
class AttachedUnpacker {
 public:
  AttachedUnpacker(YdUnpakerProgress& progress, YdResUnpacker& unpacker) : progress_(progress) {
    progress_.AttachUnpacker(&unpacker);
  }
  ~AttachedUnpacker() { progress_.AttachUnpacker(nullptr); }
  AttachedUnpacker(const AttachedUnpacker&) = delete;
  AttachedUnpacker& operator=(const AttachedUnpacker&) = delete;

 private:
  YdUnpakerProgress& progress_;
};

std::string Utf8(const std::u16string& text) { return LogText(std::wstring(text.begin(), text.end())); }

void LogJournal(const std::vector<JournalAction>& actions) {
  static const char* const kWords[] = {"removed written file", "restored previous file", "removed folder",
                                       "deleted backup", "backup left for deletion at restart"};
  for (const JournalAction& action : actions) {
    std::string line = std::string(kWords[action.kind]) + " " + Utf8(action.path);
    if (!action.ok) line += " FAILED, system error " + std::to_string(action.systemError);
    LogEvent(line);
  }
}

}  // namespace

bool UnpackPayload(const InstallJob& job, YdUnpakerProgress& progress, UnpackSummary* summary) {
  UnpackSummary ignored;
  if (summary == nullptr) summary = &ignored;
  YdResUnpacker unpacker;
  unpacker.SetProgress(&progress);
  AttachedUnpacker attached(progress, unpacker);
  if (progress.CancelRequested() || !unpacker.Open()) return false;
  const std::u16string target(job.installDir.begin(), job.installDir.end());

  YdFileSystem& file_system = NativeFileSystem();
  const uint64_t needed = SpaceNeeded(unpacker.Root());
  const std::u16string volume = NearestExistingFolder(file_system, target);
  uint64_t free_bytes = 0;
  if (!volume.empty() && file_system.FreeBytes(volume, &free_bytes)) {
    LogEvent("space needed " + std::to_string(needed) + " bytes, free " + std::to_string(free_bytes) + " on " +
             Utf8(volume));
    if (!FitsFreeSpace(needed, free_bytes)) {
      summary->shortOfSpace = true;
      unpacker.ReportFileError(kErrTargetOrWrite, target, kYdErrorDiskFull);
      return false;  // nothing written
    }
  }

  YdReplaceJournal journal(file_system);
  unpacker.SetJournal(&journal);
  // Unpack answers true for a cancel seen between top-level entries; the
  // payload is then incomplete.
  const bool unpacked = unpacker.Unpack(target) && !progress.CancelRequested();
  if (unpacked) {
    LogJournal(journal.Commit());
    return true;
  }
  LogEvent(progress.CancelRequested() ? "extraction cancelled: rolling back" : "extraction failed: rolling back");
  LogJournal(journal.Rollback());
  summary->restoredPrevious = journal.ReplacedExistingFiles();
  if (summary->restoredPrevious) LogEvent("the previous installation was restored");
  return false;
}

size_t LongestPayloadPath() {
  YdResUnpacker unpacker;
  return unpacker.Open() ? LongestEntryPath(unpacker.Root()) : 0;
}

}  // namespace ZEPHYRA_NAMESPACE
