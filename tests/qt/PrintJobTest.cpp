// Print jobs: one page per callback in PDF files, on a printer printing to a file, and as preview
// images, with the page's drawing scaled by a mapping mode as the program's print code does.

#include <filesystem>
#include <string>
#include <vector>

#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "platform/qt/CardPictureStore.h"
#include "platform/qt/PrintJob.h"
#include "QtTestImages.h"
#include "tavlo/CardPainter.h"
#include "tavlo/CardPictures.h"

namespace {

using platform::DeviceContext;
using platform::PrintJob;
using platform::PrintPage;

const platform::Color kRed{200, 0, 0};

std::string ReadFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll().toStdString();
}

// Page objects ("/Type /Page"), not the page tree ("/Type /Pages").
int PdfPages(const std::string& pdf) {
    const std::string marker = "/Type /Page";
    int pages = 0;
    for (std::size_t at = pdf.find(marker); at != std::string::npos; at = pdf.find(marker, at + 1)) {
        pages += at + marker.size() < pdf.size() && pdf[at + marker.size()] != 's';
    }
    return pages;
}

// The program's way: 1000 logical units across the page, whatever its resolution.
void ScaleToThousand(DeviceContext& dc, const PrintPage& page) {
    dc.SetMapMode(platform::MapMode::Anisotropic);
    dc.SetWindowExt(1000, 1000);
    dc.SetViewportExt(page.pixels.cx, page.pixels.cx);
}

// A page with a red square at logical (100, 100)-(200, 200) and a line of text.
void SquarePage(DeviceContext& dc, const PrintPage& page) {
    ScaleToThousand(dc, page);
    dc.FillRect({100, 100, 200, 200}, platform::Brush::Solid(kRed));
    dc.SelectFont({"Arial", 30, 0, 700});
    dc.TextOut(100, 250, "Seite " + std::to_string(page.number));
}

class PrintJobTest : public ::testing::Test {
protected:
    QString Path(const char* name) const { return folder_.filePath(QString::fromLatin1(name)); }
    QTemporaryDir folder_;
};

TEST_F(PrintJobTest, PdfHasOnePagePerCallbackInOrder) {
    PrintJob job("Spielliste");
    std::vector<PrintPage> seen;
    for (int i = 0; i < 3; ++i) {
        job.AddPage([&seen](DeviceContext& dc, const PrintPage& page) {
            seen.push_back(page);
            SquarePage(dc, page);
        });
    }
    ASSERT_TRUE(job.WritePdf(Path("list.pdf").toStdString(), 300));
    const std::string pdf = ReadFile(Path("list.pdf"));
    EXPECT_EQ(pdf.rfind("%PDF", 0), 0u);
    EXPECT_EQ(PdfPages(pdf), 3);
    ASSERT_EQ(seen.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(seen[std::size_t(i)].number, i + 1);
        EXPECT_EQ(seen[std::size_t(i)].dotsPerInchX, 300);
        // A4 less 10 mm margins: 190 mm x 277 mm at 300 dots per inch.
        EXPECT_NEAR(seen[std::size_t(i)].pixels.cx, 2244, 2);
        EXPECT_NEAR(seen[std::size_t(i)].pixels.cy, 3272, 2);
    }
}

TEST_F(PrintJobTest, NothingToPrintOrNowhereToWriteFails) {
    PrintJob empty("leer");
    EXPECT_FALSE(empty.WritePdf(Path("empty.pdf").toStdString()));
    EXPECT_TRUE(empty.RenderPages(72).empty());

    PrintJob job("Liste");
    job.AddPage(SquarePage);
    EXPECT_FALSE(job.WritePdf(Path("missing/folder/list.pdf").toStdString()));
    EXPECT_FALSE(std::filesystem::exists(Path("missing/folder/list.pdf").toStdString()));
}

TEST_F(PrintJobTest, PrinterPrintingToAFileGetsEveryPage) {
    PrintJob job("Abrechnung");
    job.AddPage(SquarePage);
    job.AddPage(SquarePage);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(Path("printer.pdf"));
    ASSERT_TRUE(job.Print(printer));
    const std::string pdf = ReadFile(Path("printer.pdf"));
    EXPECT_EQ(pdf.rfind("%PDF", 0), 0u);
    EXPECT_EQ(PdfPages(pdf), 2);
    EXPECT_EQ(printer.docName().toStdString(), "Abrechnung");
}

// The same page at two resolutions: the mapping puts the square at the same place on paper.
TEST_F(PrintJobTest, PreviewImagesFollowTheMappingAtAnyResolution) {
    PrintJob job("Vorschau");
    job.AddPage(SquarePage);
    for (int dpi : {75, 150}) {
        SCOPED_TRACE(dpi);
        const std::vector<QImage> pages = job.RenderPages(dpi);
        ASSERT_EQ(pages.size(), 1u);
        const QImage& page = pages.front();
        EXPECT_NEAR(page.width(), 190 * dpi / 25.4, 3.0);  // Qt rounds the area through points
        const double unit = page.width() / 1000.0;
        EXPECT_EQ(qttest::At(page, int(150 * unit), int(150 * unit)), kRed);
        EXPECT_EQ(qttest::At(page, int(90 * unit), int(150 * unit)), (platform::Color{255, 255, 255}));
        EXPECT_EQ(qttest::At(page, int(210 * unit), int(150 * unit)), (platform::Color{255, 255, 255}));
        const platform::Rect text = qttest::Inked(page.copy(0, int(240 * unit), page.width(), int(60 * unit)),
                                                  {255, 255, 255});
        EXPECT_FALSE(text.IsEmpty());
    }
}

// Cards go to paper as rendered pictures, scaled by the mapping: an image in the PDF.
TEST_F(PrintJobTest, CardsPrintAsPictures) {
    platform::CardPictureStore store;
    tavlo::SetCardPictures(&store);
    PrintJob job("Karten");
    job.AddPage([](DeviceContext& dc, const PrintPage& page) {
        ScaleToThousand(dc, page);
        tavlo::DrawCard(dc, {11, true, false, 0, 0}, {100, 100, 171, 196});
        tavlo::DrawCard(dc, {11, false, false, 0, 10}, {200, 100, 271, 196});
    });
    const std::vector<QImage> pages = job.RenderPages(150);
    ASSERT_TRUE(job.WritePdf(Path("cards.pdf").toStdString(), 300));
    tavlo::SetCardPictures(nullptr);

    ASSERT_EQ(pages.size(), 1u);
    qttest::SaveForViewing(pages.front(), "printed-cards");
    const double unit = pages.front().width() / 1000.0;
    const platform::Rect ink = qttest::Inked(pages.front(), {255, 255, 255});
    EXPECT_NEAR(ink.left, 100 * unit, 2);
    EXPECT_NEAR(ink.right, 271 * unit, 2);
    EXPECT_NEAR(ink.bottom, 196 * unit, 2);
    const std::string pdf = ReadFile(Path("cards.pdf"));
    EXPECT_NE(pdf.find("/Subtype /Image"), std::string::npos);
}

}  // namespace
