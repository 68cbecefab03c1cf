// The file types the install lays down, as Qt's own MIME database reads them: the build installed
// into a temporary prefix, the prefix's database built by update-mime-database, and a fresh process
// whose database sees that tree alone names the match list, the game and the stored deals by their
// extensions, with their English and German comments.
//
// The database is read once per process and then only every few seconds, so the reading runs in a
// child process of this test program (the disabled test below), started with the data folders set.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QMimeDatabase>
#include <QProcess>
#include <QProcessEnvironment>

#include <string>

#include "platform/FileTestSupport.h"

namespace {

constexpr char kChildTest[] = "InstalledFileTypesTest.DISABLED_ChildNamesTheInstalledTypes";

struct ProgramRun {
    int exitCode = -1;
    QString output;
};

ProgramRun RunProgram(const QString& program, const QStringList& arguments,
               const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    ProgramRun run;
    if (!process.waitForFinished(300000)) {
        process.kill();
        process.waitForFinished();
        run.output = QStringLiteral("did not finish: ") + program;
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.output = QString::fromLocal8Bit(process.readAll());
    return run;
}

TEST(InstalledFileTypesTest, QtsMimeDatabaseNamesTheThreeTypesOfAnInstallByExtension) {
    // The build tree this program belongs to: <build>/tests/tests_qt.
    const QString build = QDir(QCoreApplication::applicationDirPath() + "/..").absolutePath();
    ASSERT_TRUE(QFileInfo::exists(build + "/cmake_install.cmake")) << build.toStdString();
    testsupport::TempFolder temp;
    const QString prefix = QString::fromStdString(temp.Folder()) + "prefix";
    const QString emptyHome = QString::fromStdString(temp.Folder()) + "home";
    ASSERT_TRUE(QDir().mkpath(emptyHome));

    const ProgramRun install = RunProgram("cmake", {"--install", build, "--prefix", prefix});
    ASSERT_EQ(install.exitCode, 0) << install.output.toStdString();
    ASSERT_TRUE(QFileInfo::exists(prefix + "/share/mime/packages/kartovan.xml"));
    const ProgramRun database = RunProgram("update-mime-database", {prefix + "/share/mime"});
    ASSERT_EQ(database.exitCode, 0) << database.output.toStdString();

    // Only the installed tree: no user's or system's data folder can supply the types.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_DATA_DIRS", prefix + "/share");
    environment.insert("XDG_DATA_HOME", emptyHome);
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    const ProgramRun child = RunProgram(QCoreApplication::applicationFilePath(),
                                 {"--gtest_also_run_disabled_tests", QString("--gtest_filter=") + kChildTest}, environment);
    EXPECT_EQ(child.exitCode, 0) << child.output.toStdString();
    EXPECT_TRUE(child.output.contains("[  PASSED  ] 1 test.")) << child.output.toStdString();
}

// Run only by the test above, in a process whose data folders are the installed tree.
TEST(InstalledFileTypesTest, DISABLED_ChildNamesTheInstalledTypes) {
    const struct {
        const char* file;
        const char* type;
        const char* english;
        const char* german;
    } cases[] = {
        {"Liga.skm", "application/x-kartovan-match", "Kartovan+ match list", "Kartovan+ Serie"},
        {"cards~.SKM", "application/x-kartovan-match", "Kartovan+ match list", "Kartovan+ Serie"},
        {"4.2.skt", "application/x-kartovan-game", "Kartovan+ game", "Kartovan+ Spiel"},
        {"Liga.sks", "application/x-kartovan-deals", "Kartovan+ stored deals", "Kartovan+ Kartenzuordnung"},
    };
    QMimeDatabase database;
    for (const auto& c : cases) {
        const QMimeType type = database.mimeTypeForFile(QString::fromUtf8(c.file), QMimeDatabase::MatchExtension);
        EXPECT_EQ(type.name().toStdString(), c.type) << c.file;
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
        EXPECT_EQ(type.comment().toStdString(), c.english) << c.file;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        EXPECT_EQ(type.comment().toStdString(), c.german) << c.file;
    }
    QLocale::setDefault(QLocale::c());
    // Other extensions stay what they were.
    EXPECT_NE(database.mimeTypeForFile("Liga.sk", QMimeDatabase::MatchExtension).name().toStdString().rfind(
                  "application/x-kartovan", 0),
              0u);
}

}  // namespace
