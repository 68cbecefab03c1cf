// The one write step of the files a game end adds to, the match list and the stored deals: their
// own writers say what goes into them, this step keeps the one-writer rule and the in-place write.
#include "flow/MatchFiles.h"

#include "match/OwnFiles.h"
#include "resources/WorkFolderIds.h"
#include "resources/ids.h"

std::optional<std::size_t> CMatchFiles::WriteGrowingFile(
    const char* operation, const std::string& path, bool fits, SeenFile& written, bool inPlace,
    const std::function<std::optional<std::vector<platform::FileStep>>(const platform::FileStamp&)>& appendSteps,
    const std::function<std::vector<std::uint8_t>()>& wholeFile) {
    // A file its reader would refuse is not written: the file keeps what it holds.
    if (!fits) {
        ReportFileError(IDS_WRITE_FAILED, operation, path);
        return std::nullopt;
    }
    // What someone else wrote since our last write holds their games or deals: it stays as it is.
    const std::optional<platform::FileStamp> now = platform::StampOf(path);
    if (written.Path == path && now && now != written.Stamp) {
        ReportFileError(IDS_CHANGED_BY_OTHER, operation, path);
        return std::nullopt;
    }
    // The file still as written last: nothing new leaves it as it is; after a game only what
    // changed goes in.
    if (written.Path == path && now && !IsProtectedFile(path)) {
        if (const auto steps = appendSteps(*now)) {
            if (steps->empty()) return now->size;
            platform::FileStamp after;
            if (inPlace && platform::UpdateFileInPlace(path, *now, *steps, after)) {
                written.Stamp = after;
                return after.size;
            }
        }
    }
    const std::vector<std::uint8_t> bytes = wholeFile();
    platform::FileStamp after;
    if (!WriteOwnFile(path, bytes, now, after)) {
        if (written.Path == path) written = {};
        ReportFileError(IDS_WRITE_FAILED, operation, path);
        return std::nullopt;
    }
    written = SeenFile{path, after, std::nullopt};
    return bytes.size();
}
