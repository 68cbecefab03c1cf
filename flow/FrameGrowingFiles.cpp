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
    if (ChangedByOther(written, path)) {
        ReportFileError(IDS_CHANGED_BY_OTHER, operation, path);
        return std::nullopt;
    }
    // After a game only what changed, when the file is still the one written last.
    if (inPlace && written.Path == path && written.Stamp && !IsProtectedFile(path)) {
        if (const auto steps = appendSteps(*written.Stamp)) {
            platform::FileStamp after;
            if (platform::UpdateFileInPlace(path, *written.Stamp, *steps, after)) {
                written.Stamp = after;
                return after.size;
            }
        }
    }
    const std::vector<std::uint8_t> bytes = wholeFile();
    if (!WriteOwnFile(path, bytes)) {
        if (written.Path == path) written = {};
        ReportFileError(IDS_WRITE_FAILED, operation, path);
        return std::nullopt;
    }
    // A file whose stamp cannot be taken is written whole next time.
    const std::optional<platform::FileStamp> stamp = platform::StampOf(path);
    written = stamp ? SeenFile{path, stamp} : SeenFile{};
    return bytes.size();
}
