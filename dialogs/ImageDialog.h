#pragma once
// CImageDialog: the four portraits beside the table, a picture file and a show box each (seat 0,
// seat 1, and the person's left and right picture). OK takes them over only when something changed,
// and redraws the table.

#include <array>
#include <string>

#include "dialogs/SettingsDialogBase.h"

class CImageDialog : public CSettingsDialogBase {
public:
    static constexpr std::array<int, 4> kPaths{1259, 1048, 1049, 1050};
    static constexpr std::array<int, 4> kBrowse{4, 5, 6, 7};
    static constexpr std::array<int, 4> kShow{1260, 1261, 1262, 1263};
    static constexpr std::array<int, 3> kLabels{1064, 1065, 1264};

    CImageDialog(std::string seat0Name, std::string seat1Name, std::string seat2Name);

    bool OnInitDialog() override;
    bool OnCommand(int id, unsigned code, HWND control) override;
    void OnOK() override;
    void OnStandard() override;
    // The file dialog for a row's picture (0..3).
    void BrowseImage(int row);

    bool Changed() const { return changed; }

private:
    std::array<std::string, 3> names;
    bool changed = false;
};

// A picture path the profile may keep: empty, or absolute without control characters.
bool IsAcceptablePicturePath(const std::string& path);
