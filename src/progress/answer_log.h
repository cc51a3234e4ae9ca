// The player's answer log, every answered question: one file in the player's folder that only
// ever grows by whole records, so that a game killed at any moment loses at most the answer it
// was writing.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "progress/disk_sync.h"
#include "progress/recorded_answer.h"

namespace pv {

constexpr const char* kAnswerLogName = "answers.pvr";

class AnswerLog {
  public:
    // Nothing is made until the first answer: then the file, mode 0600, with its header; never
    // through a link. Through a link only a record with its header is written to.
    AnswerLog(FileSystem& files, const std::filesystem::path& folder);
    // Waits for the last records to reach the disk.
    ~AnswerLog();
    AnswerLog(const AnswerLog&) = delete;
    AnswerLog& operator=(const AnswerLog&) = delete;

    // Adds the answer as one whole record, written at once; the disk is synced on a thread of
    // the log's own. False when the answer is impossible (see IsPossible) or was not written,
    // also when the file has a header of another kind: ReadAnswers, called first, sets such a
    // file aside. A file set aside or removed meanwhile is followed by a new one.
    bool Append(const Answer& answer);
    // Blocks until every record appended so far is on the disk; false when one may not be.
    bool WaitUntilOnDisk();
    // Why the last Append wrote nothing, when the file or the disk was to blame; empty otherwise.
    const std::string& Problem() const { return problem_; }

  private:
    FileSystem& files_;
    std::filesystem::path path_;
    std::shared_ptr<OpenFile> file_;
    BackgroundSync sync_;
    bool throughLink_ = false;
    std::string problem_;
};

// What reading a player's answer log found.
struct AnswerReading {
    std::vector<Answer> answers;  // oldest first
    // One line, without a line end, on what could not be read, was left out or was set aside;
    // empty when there is nothing to say.
    std::string complaint;
    // Whether answers may be added to the file: not to one that could not be read, nor to one
    // of another kind.
    bool appendable = true;
};

// Who reads the record: the game before it records, or a viewer (the report, the progress
// window), which never renames, writes or makes anything.
enum class ReadFor { Recording, Viewing };

// Every answer in the player's record that can be read. A last record cut short (the one being
// written when a game died) is left out. A record that fails its checksum or holds impossible
// values is left out too, its bytes staying where they are; the complaint counts them. A file
// whose header is of another kind has no answers; for the game it is set aside beside it as
// "answers.pvr.damaged-<n>", never over an earlier one, and the answers start afresh. A file
// that cannot be read now (no permission, a passing error, no regular file, a size past 256 MiB)
// stays as it is and takes no answer. A missing file is no answer and no complaint.
AnswerReading ReadAnswers(FileSystem& files, const std::filesystem::path& folder, ReadFor reader);

}  // namespace pv
