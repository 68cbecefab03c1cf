// The program's entry: the edition's resources, the Qt host, one running program per work folder
// (whichever edition), the settings file, the host's sound, card pictures and desktop services,
// then the game's application object with its main frame and table view, and the message loop until
// the frame closes (SIGTERM, SIGINT and SIGHUP are a request to close it).
#include <QApplication>

#include <cstdio>
#include <string>
#include <utility>

#include "app/CloseOnSignal.h"
#include "app/Edition.h"
#include "app/PortraitFiles.h"
#include "app/ProgramFrame.h"
#include "app/WorkFolderClaim.h"
#include "model/Trace.h"
#include "platform/core/Folders.h"
#include "platform/core/RegistryFile.h"
#include "platform/core/WorkFolderLock.h"
#include "platform/qt/CardPictureStore.h"
#include "platform/qt/QtInstance.h"
#include "platform/qt/QtShellServices.h"
#include "platform/qt/SdlSound.h"
#include "resources/ids.h"
#include "shell/SkatApp.h"
#include "tavlo/CardPictures.h"
#include "tavlo/SoundOutput.h"

namespace {

// Takes the host's services out of the card table and the shell again before they go.
struct ServicesInstalled {
    ~ServicesInstalled() {
        g_Shell.PortraitLoader = nullptr;
        g_Shell.ShowFrameMaximised = nullptr;
        g_Shell.IsFrameMaximised = nullptr;
        g_Shell.SetFrameMinimumSize = nullptr;
        tavlo::SetCardPictures(nullptr);
        tavlo::SetSoundOutput(nullptr);
    }
};

}  // namespace

int main(int argc, char** argv) {
    // Step 1: the edition's texts, menus and dialogs.
    const EditionSetup& edition = ThisEdition();
    platform::SetResources(edition.resources);

    // Step 2: Qt takes its own options off the command line; what is left is a file to open.
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kartovan+"));
    const bool languageSwitch = argc > 1 && argv[1] == platform::kLanguageSwitchArgument;
    const std::string fileArgument = argc > 1 && !languageSwitch ? std::string(argv[1]) : std::string();

    // Without a home folder of the user's own there is no safe place for the settings and games.
    if (platform::ConfigFolder().empty() || platform::WorkFolder().empty()) {
        std::fputs("Kartovan+: no home folder, and no folder of this user's own in the temporary folder: not started\n",
                   stderr);
        return 1;
    }

    // Step 3: one program writes into the work folder. A later start hands its file to it and
    // ends; one that cannot reach it says so and ends, before any file of the folder is read.
    platform::QtHost host;
    platform::WorkFolderLock workFolder(platform::WorkFolder());
    platform::QtInstance instance(platform::QtInstance::ServerName(workFolder.Folder()));
    const program::Claim claim = program::ClaimWorkFolder(workFolder, instance, fileArgument, languageSwitch);
    if (claim != program::Claim::Ours) return claim == program::Claim::HandedOver ? 0 : 1;

    // Step 4: the settings, before anything reads them.
    const platform::RegistryLoad settings = platform::LoadCurrentUserRegistry();

    // Step 5: the host's services: sound, card pictures, help, shell, printing, portraits.
    platform::SdlSound sound;
    platform::CardPictureStore pictures;
    PortraitFiles portraits;
    tavlo::SetSoundOutput(&sound);
    tavlo::SetCardPictures(&pictures);
    g_Shell.PortraitLoader = [&portraits](const std::string& path) { return portraits.Load(path); };
    g_Shell.FrameBarsOutside = true;
    const ServicesInstalled servicesInstalled;
    const std::string programFolder = platform::ProgramFolder();
    platform::QtDesktopOptions desktopOptions;
    desktopOptions.help = {HelpFolder(programFolder, edition.code), platform::LoadString(IDS_HELP_TITLE),
                           edition.missingHelpPage};
    desktopOptions.programFolder = programFolder;
    desktopOptions.sound = &sound;
    auto desktop = platform::InstallQtDesktopServices(std::move(desktopOptions));

    // Step 6: the application object, its frame and view; the bars around the frame.
    program::UseProgramIcon();
    CSkatApp app;
    if (!app.InitInstance(fileArgument)) return 1;
    if (!settings.message.empty()) {
        std::string line = "Settings: ";
        line += settings.message;
        WriteTrace(line, LOG_FORCED);
    }
    program::AttachProgramFrame(app);
    instance.SetMainWindow(program::ProgramFrameHandle(app));

    // Step 7: from here on SIGTERM, SIGINT and SIGHUP are a request to close the frame.
    const program::CloseOnSignal closeOnSignal(host, app);

    // Step 8: the loop runs until the frame closes; the frame's end saves its files, then the
    // settings go to their file.
    const int exitCode = host.Run();
    app.ExitInstance();
    if (const platform::FileStatus saved = platform::SaveCurrentUserRegistry(); !saved)
        std::fprintf(stderr, "Kartovan+: %s\n", saved.error.c_str());
    return exitCode;
}
