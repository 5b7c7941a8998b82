#include "platform/printer.h"

#include "platform/write_access.h"

#include <QFileInfo>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSaveFile>

// The sheets leave their own margin at the left (their texts start at column 8).
QPageLayout pdfPageLayout() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(8, 12, 8, 12),
                       QPageLayout::Millimeter);
}

std::unique_ptr<QPrinter> pdfPrinter(const QString& path) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(path);
    printer->setPageLayout(pdfPageLayout());
    printer->setCreator(QStringLiteral("MOX-ABC"));
    return printer;
}

bool paintJob(const PrintJob& job, QPagedPaintDevice& device) {
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    painter.setFont(job.font());
    const QFontMetricsF font(painter.font(), &device);
    PageMetrics metrics{font.averageCharWidth(), font.lineSpacing(), qreal(device.height()),
                        [&font](const QString& text) { return font.horizontalAdvance(text); }};
    PageLayout layout = layOutPages(job.steps(), metrics);
    if (layout.rightEdge > device.width()) {
        const qreal shrink = device.width() / layout.rightEdge;
        painter.scale(shrink, shrink);
        metrics.pageHeight = device.height() / shrink;
        layout = layOutPages(job.steps(), metrics);
    }
    int page = 0;
    for (const PlacedText& placed : layout.texts) {
        for (; page < placed.page; ++page) {
            if (!device.newPage()) {
                painter.end();
                return false;
            }
        }
        drawPlacedText(painter, placed, font);
    }
    return painter.end();
}

WriteResult writePdf(const PrintJob& job, const QString& path) {
    QString target;
    if (const WriteResult refused = SafeFile::writeTarget(path, target); !refused)
        return refused;
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly))
        return {SafeFile::noSpaceLeft(QFileInfo(target).absolutePath()) ? WriteResult::DiskFull
                                                                        : WriteResult::Failed};
    QPdfWriter writer(&file);
    writer.setTitle(job.title());
    writer.setCreator(QStringLiteral("MOX-ABC"));
    writer.setPageLayout(pdfPageLayout());
    if (!paintJob(job, writer)) {
        const bool full = file.error() == QFileDevice::ResourceError;
        file.cancelWriting();
        return {full ? WriteResult::DiskFull : WriteResult::Failed};
    }
    return SafeFile::commit(file);
}

SystemPrinter::SystemPrinter(const QDir& fileFolder)
    : fileFolder_(fileFolder) {}

PrintOutcome SystemPrinter::print(const PrintJob& job) {
    const bool available = hasDefaultPrinter();
    if (available && printOnDefaultPrinter(job))
        return {PrintOutcome::Result::Printed, {}, {}};
    const QString path = fileFolder_.absoluteFilePath(job.fileName());
    if (!WriteAccess::folderWritable(fileFolder_.absolutePath()))
        return {PrintOutcome::Result::FolderReadOnly, path, {}};
    if (const WriteResult written = writePdf(job, path); !written)
        return {PrintOutcome::Result::Failed, path, written};
    return {available ? PrintOutcome::Result::SavedPrinterFailed
                      : PrintOutcome::Result::SavedNoPrinter,
            path,
            {}};
}

std::unique_ptr<QPrinter> SystemPrinter::previewPrinter(const PrintJob& job) const {
    if (!hasDefaultPrinter())
        return pdfPrinter(fileFolder_.absoluteFilePath(job.fileName()));
    auto printer =
        std::make_unique<QPrinter>(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
    printer->setDocName(job.title());
    return printer;
}

bool SystemPrinter::hasDefaultPrinter() const {
    return !QPrinterInfo::defaultPrinter().isNull();
}

bool SystemPrinter::printOnDefaultPrinter(const PrintJob& job) {
    QPrinter printer(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
    if (!printer.isValid())
        return false;
    printer.setDocName(job.title());
    return paintJob(job, printer) && printer.printerState() != QPrinter::Error;
}
