#include "platform/qt/PrintJob.h"

#include <QFile>
#include <QMarginsF>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

#include "platform/qt/PainterDC.h"

namespace platform {

PrintJob::PrintJob(std::string title)
    : title_(std::move(title)),
      layout_(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
              QPageLayout::Millimeter) {}

void PrintJob::AddPage(PagePainter page) { pages_.push_back(std::move(page)); }

bool PrintJob::PaintOn(QPagedPaintDevice& device) const {
    if (pages_.empty()) return false;
    QPainter painter;
    if (!painter.begin(&device)) return false;
    // The painter's origin is the printable area's corner; its size is the device's.
    const Size pixels{device.width(), device.height()};
    for (std::size_t i = 0; i < pages_.size(); ++i) {
        if (i > 0 && !device.newPage()) return false;
        const PrintPage page{static_cast<int>(i) + 1, pixels, device.logicalDpiX(), device.logicalDpiY()};
        PainterDC dc(painter, pixels);
        dc.SetPrinting(true);
        if (pages_[i]) pages_[i](dc, page);
    }
    return painter.end();
}

bool PrintJob::Print(QPrinter& printer) const {
    printer.setDocName(QString::fromStdString(title_));
    return PaintOn(printer);
}

bool PrintJob::WritePdf(const std::string& path, int dotsPerInch) const {
    const QString file = QString::fromStdString(path);
    bool written = false;
    {
        QPdfWriter writer(file);
        writer.setTitle(QString::fromStdString(title_));
        writer.setCreator(QStringLiteral("Kartovan+"));
        writer.setResolution(dotsPerInch);
        writer.setPageLayout(layout_);
        written = PaintOn(writer);
    }
    // QPdfWriter reports no failure to open its file; check that something arrived.
    return written && QFile(file).size() > 0;
}

std::vector<QImage> PrintJob::RenderPages(int dotsPerInch) const {
    std::vector<QImage> images;
    const QRect area = layout_.paintRectPixels(dotsPerInch);
    const int dotsPerMeter = static_cast<int>(dotsPerInch / 0.0254 + 0.5);
    for (std::size_t i = 0; i < pages_.size(); ++i) {
        QImage image(area.size(), QImage::Format_RGB32);
        image.setDotsPerMeterX(dotsPerMeter);
        image.setDotsPerMeterY(dotsPerMeter);
        image.fill(Qt::white);
        {
            const PrintPage page{static_cast<int>(i) + 1, {image.width(), image.height()}, dotsPerInch, dotsPerInch};
            PainterDC dc(image);
            dc.SetPrinting(true);
            if (pages_[i]) pages_[i](dc, page);
        }
        images.push_back(std::move(image));
    }
    return images;
}

}  // namespace platform
