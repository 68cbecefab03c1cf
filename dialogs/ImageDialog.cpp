#include "dialogs/ImageDialog.h"

#include "dialogs/SettingsFields.h"
#include "dialogs/SettingsIds.h"
#include "match/Profile.h"
#include "platform/core/ControlMessages.h"
#include "platform/core/Edit.h"
#include "platform/core/FileDialog.h"
#include "platform/core/Resources.h"
#include "platform/core/TextFormat.h"
#include "platform/core/WindowApi.h"

namespace {

constexpr int kChooseTitle = 41029;  // "Bild für %1 auswählen"
constexpr int kFilter = 41078;       // "Bild-Dateien (*.bmp)"
constexpr const char* kStandardFiles[4] = {"Corvin.bmp", "Pimmie.bmp", "Tobb.bmp", "Tobb.bmp"};
constexpr int kStandardShow[4] = {1, 1, 1, 0};

std::string* PathOf(int row) {
    PortraitSettings& i = g_Profile.Image;
    std::string* paths[4] = {&i.ImageComputer1, &i.ImageComputer2, &i.ImagePerson1, &i.ImagePerson2};
    return paths[row];
}

int* ShowOf(int row) {
    PortraitSettings& i = g_Profile.Image;
    int* shows[4] = {&i.ShowComputer1, &i.ShowComputer2, &i.ShowPerson1, &i.ShowPerson2};
    return shows[row];
}

}  // namespace

bool IsAcceptablePicturePath(const std::string& path) {
    if (path.empty()) return true;
    if (path.front() != '/') return false;
    for (char c : path) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) return false;
    }
    return true;
}

CImageDialog::CImageDialog(std::string seat0Name, std::string seat1Name, std::string seat2Name)
    : CSettingsDialogBase(IDD_IMAGES, "::/Bedienung/Optionen.htm#images"),
      names{std::move(seat0Name), std::move(seat1Name), std::move(seat2Name)} {}

bool CImageDialog::OnInitDialog() {
    CSettingsDialogBase::OnInitDialog();
    for (std::size_t seat = 0; seat < 3; ++seat) SetDlgItemText(kLabels[seat], names[seat] + (seat < 2 ? ":" : ""));
    for (int row = 0; row < 4; ++row) {
        SetDlgItemText(kPaths[static_cast<std::size_t>(row)], *PathOf(row));
        CheckDlgButton(kShow[static_cast<std::size_t>(row)], *ShowOf(row) ? 1 : 0);
    }
    changed = false;
    return true;
}

bool CImageDialog::OnCommand(int id, unsigned code, HWND control) {
    for (int row = 0; row < 4; ++row) {
        if (id == kBrowse[static_cast<std::size_t>(row)]) {
            BrowseImage(row);
            return true;
        }
        if (id == kShow[static_cast<std::size_t>(row)]) {
            changed = true;
            return true;
        }
        // A typed path counts as a change too, so that OK takes it.
        if (id == kPaths[static_cast<std::size_t>(row)] && code == EN_CHANGE) {
            changed = true;
            return true;
        }
    }
    return CSettingsDialogBase::OnCommand(id, code, control);
}

void CImageDialog::BrowseImage(int row) {
    const auto field = kPaths[static_cast<std::size_t>(row)];
    const std::string current = GetDlgItemText(field);
    platform::FileDialogRequest request;
    request.owner = Handle();
    request.title = platform::FormatText(platform::LoadString(kChooseTitle), {names[static_cast<std::size_t>(row < 2 ? row : 2)]});
    request.filters = {{platform::LoadString(kFilter), "*.bmp"}};
    request.defaultExtension = "bmp";
    const std::size_t slash = current.rfind('/');
    if (slash != std::string::npos) {
        request.folder = current.substr(0, slash + 1);
        request.fileName = current.substr(slash + 1);
    } else {
        request.fileName = current;
    }
    const platform::FileDialogAnswer answer = platform::RunFileDialog(request);
    if (!answer.accepted || answer.path == current) return;
    SetDlgItemText(field, answer.path);
    changed = true;
}

void CImageDialog::OnStandard() {
    for (int row = 0; row < 4; ++row) {
        SetDlgItemText(kPaths[static_cast<std::size_t>(row)], g_Profile.ImagesFolder + kStandardFiles[row]);
        CheckDlgButton(kShow[static_cast<std::size_t>(row)], kStandardShow[row]);
    }
    changed = true;
}

void CImageDialog::OnOK() {
    // A path the profile cannot keep is refused before anything is taken.
    for (int id : kPaths) {
        if (!IsAcceptablePicturePath(GetDlgItemText(id))) {
            if (auto* edit = GetControlAs<platform::Edit>(id)) edit->SelectAllAndShowCaret();
            RefuseEntry();
            return;
        }
    }
    std::array<std::string, 4> paths;
    std::array<int, 4> shows{};
    for (int row = 0; row < 4; ++row) {
        paths[static_cast<std::size_t>(row)] = GetDlgItemText(kPaths[static_cast<std::size_t>(row)]);
        shows[static_cast<std::size_t>(row)] = IsDlgButtonChecked(kShow[static_cast<std::size_t>(row)]) ? 1 : 0;
    }
    const bool takeOver = changed;
    CSettingsDialogBase::OnOK();
    if (!takeOver) return;
    for (int row = 0; row < 4; ++row) {
        *PathOf(row) = paths[static_cast<std::size_t>(row)];
        *ShowOf(row) = shows[static_cast<std::size_t>(row)];
    }
    if (HWND main = platform::Dialog::DefaultOwner()) ::RedrawWindow(main, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}
