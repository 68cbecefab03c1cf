// The Qt host's desktop services: the help window on real pages, shell requests up to the point
// where a program would start, and a document printed to PDF through the installed services.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <QDir>
#include <QFile>
#include <QScrollBar>
#include <QTextBrowser>
#include <QUrl>

#include "../platform/FileTestSupport.h"
#include "platform/core/DesktopServices.h"
#include "platform/qt/QtHost.h"
#include "platform/qt/QtShellServices.h"
#include "QtTestSupport.h"

using namespace platform;

namespace {

struct Launched {
    std::vector<QUrl> urls;
    std::vector<std::pair<QString, QStringList>> programs;
};

class QtServicesTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(help.File("Bedienung"));
        std::ofstream page(help.File("Bedienung/Protokoll.htm"));
        page << "<html><body><h1>Protokoll</h1>";
        for (int i = 0; i < 200; ++i) page << "<p>Zeile " << i << "</p>";
        page << "<p><a name=\"x\"></a>Ziel des Sprungs</p></body></html>";
        page.close();

        QtDesktopOptions options;
        options.help = {help.Folder(), "Hilfe für Kartovan+", "Die Seite %1 fehlt."};
        options.programFolder = programs.Folder();
        options.launcher.openUrl = [this](const QUrl& url) {
            launched.urls.push_back(url);
            return launcherWorks;
        };
        options.launcher.start = [this](const QString& program, const QStringList& arguments) {
            launched.programs.emplace_back(program, arguments);
            return launcherWorks;
        };
        services = InstallQtDesktopServices(std::move(options));
    }
    void TearDown() override { services.reset(); }

    testsupport::TempFolder help;
    testsupport::TempFolder programs;
    QtHost host;
    Launched launched;
    bool launcherWorks = true;
    std::unique_ptr<QtShellServices> services;
};

TEST_F(QtServicesTest, HelpWindowShowsThePageAtItsAnchor) {
    ASSERT_TRUE(ShowHelpTopic(nullptr, "::/Bedienung/Protokoll.htm#x"));
    QTextBrowser* window = services->Help().Window();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(IsHelpWindowOpen());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Hilfe für Kartovan+"));
    EXPECT_EQ(window->source().toLocalFile(), QString::fromStdString(help.File("Bedienung/Protokoll.htm")));
    EXPECT_EQ(window->source().fragment(), QStringLiteral("x"));
    EXPECT_TRUE(window->toPlainText().contains(QStringLiteral("Ziel des Sprungs")));
    EXPECT_GT(window->verticalScrollBar()->value(), 0) << "scrolled down to the anchor";

    // Another topic reuses the window; a topic naming its own folder reads from there.
    ASSERT_TRUE(ShowHelpTopic(nullptr, help.Folder() + "::/Bedienung/Protokoll.htm"));
    EXPECT_EQ(services->Help().Window(), window);
    EXPECT_EQ(window->source().fragment(), QString());
}

TEST_F(QtServicesTest, MissingPageOrFolderIsHarmless) {
    ASSERT_TRUE(ShowHelpTopic(nullptr, "::/Lexikon/Fehlt.htm#3"));
    QTextBrowser* window = services->Help().Window();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->toPlainText().trimmed(), QStringLiteral("Die Seite Lexikon/Fehlt.htm fehlt."));
    EXPECT_TRUE(IsHelpWindowOpen()) << "the window says what is missing";

    CloseAllHelpWindows();
    EXPECT_FALSE(IsHelpWindowOpen());
    EXPECT_EQ(services->Help().Window(), nullptr);

    EXPECT_FALSE(ShowHelpTopic(nullptr, help.File("nirgends") + "::/Bedienung/Protokoll.htm"));
    EXPECT_EQ(services->Help().Window(), nullptr) << "no help pages: no window, the program says so";
    CloseAllHelpWindows();
}

TEST_F(QtServicesTest, PersonClosingTheHelpWindowIsNoticed) {
    ASSERT_TRUE(ShowHelpTopic(nullptr, "::/Bedienung/Protokoll.htm"));
    services->Help().Window()->close();
    EXPECT_FALSE(IsHelpWindowOpen());
    ASSERT_TRUE(ShowHelpTopic(nullptr, "::/Bedienung/Protokoll.htm#x"));
    EXPECT_TRUE(IsHelpWindowOpen()) << "shown again on the next topic";
}

TEST_F(QtServicesTest, ShellRequestsReachTheLauncherOnlyWhenSound) {
    EXPECT_TRUE(OpenUrl("https://example.org/skat?x=1").done);
    EXPECT_TRUE(OpenFolder(help.Folder()).done);
    ASSERT_EQ(launched.urls.size(), 2u);
    EXPECT_EQ(launched.urls[0], QUrl(QStringLiteral("https://example.org/skat?x=1")));
    EXPECT_TRUE(launched.urls[1].isLocalFile());
    EXPECT_EQ(QDir(launched.urls[1].toLocalFile()), QDir(QString::fromStdString(help.Folder())));

    // The other edition: only an executable program beside ours starts.
    EXPECT_FALSE(StartEdition(Edition::English, {"/tmp/a.skt"}).done) << "not there";
    std::ofstream(programs.File("kartovan-en")) << "#!/bin/sh\n";
    EXPECT_FALSE(StartEdition(Edition::English, {}).done) << "not executable";
    std::filesystem::permissions(programs.File("kartovan-en"), std::filesystem::perms::owner_all);
    EXPECT_TRUE(StartEdition(Edition::English, {"/tmp/a.skt"}).done);
    ASSERT_EQ(launched.programs.size(), 1u);
    EXPECT_EQ(launched.programs[0].first, QString::fromStdString(programs.File("kartovan-en")));
    EXPECT_EQ(launched.programs[0].second, QStringList{QStringLiteral("/tmp/a.skt")});
    EXPECT_FALSE(StartEdition(Edition::German, {}).done) << "only the English one is there";

    launcherWorks = false;
    const ShellResult failed = OpenUrl("http://example.org/");
    EXPECT_FALSE(failed.done);
    EXPECT_FALSE(failed.error.empty());
    EXPECT_FALSE(StartEdition(Edition::English, {}).done);
}

TEST_F(QtServicesTest, DocumentPrintsToPdfWithItsPageDescriptions) {
    std::vector<PrintPageInfo> seen;
    PrintDocument document;
    document.title = "Kartovan+: Spielverlauf";
    document.pageCount = 2;
    document.orientation = PageOrientation::Landscape;
    document.paintPage = [&seen](DeviceContext& dc, const PrintPageInfo& page) {
        seen.push_back(page);
        MapLogicalOntoPage(dc, page, {1420, 1048});
        dc.Rectangle(0, 0, 1420, 1048);
        dc.TextOut(10, 10, "Seite");
    };
    const std::string path = help.File("verlauf.pdf");
    ASSERT_EQ(PrintDocumentToPdf(document, path), PrintOutcome::Done);

    QFile file(QString::fromStdString(path));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    ASSERT_EQ(seen.size(), 2u);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(seen[i].number, i + 1);
        EXPECT_EQ(seen[i].pageCount, 2);
        EXPECT_EQ(seen[i].dotsPerInchX, QtPrintUi::kPdfDotsPerInch);
        EXPECT_GT(seen[i].pixels.cx, seen[i].pixels.cy) << "landscape";
        // A4 less 5 mm margins.
        EXPECT_NEAR(seen[i].millimetres.cx, 287, 1);
        EXPECT_NEAR(seen[i].millimetres.cy, 200, 1);
    }

    document.pageCount = 0;
    EXPECT_EQ(PrintDocumentToPdf(document, help.File("leer.pdf")), PrintOutcome::Failed);
    document.pageCount = 1;
    EXPECT_EQ(PrintDocumentToPdf(document, help.File("kein/ordner/x.pdf")), PrintOutcome::Failed);
}

TEST(QtPrintJobOfDocument, KeepsPageNumbersOfAChosenRange) {
    std::vector<int> numbers;
    PrintDocument document;
    document.pageCount = 5;
    document.paintPage = [&numbers](DeviceContext&, const PrintPageInfo& page) { numbers.push_back(page.number); };
    EXPECT_EQ(DocumentPrintJob(document, 2, 3).PageCount(), 2);
    EXPECT_EQ(DocumentPrintJob(document, 0, 99).PageCount(), 5) << "clamped to the document";
    EXPECT_EQ(DocumentPrintJob(document, 4, 2).PageCount(), 0);
    DocumentPrintJob(document, 2, 3).RenderPages(30);
    EXPECT_EQ(numbers, (std::vector<int>{2, 3}));
}

}  // namespace
