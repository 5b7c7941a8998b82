#include "pdf_printer.h"

#include <QPrinter>
#include <QProcess>

void PdfFilePrinter::setFolder(const QString& folder) {
    folder_.setPath(folder);
    folder_.mkpath(QStringLiteral("."));
}

PrintOutcome PdfFilePrinter::print(const PrintJob& job) {
    ++jobs;
    const QString path = filePath(job.fileName());
    if (const WriteResult written = writePdf(job, path); !written)
        return {PrintOutcome::Result::Failed, path, written};
    return {PrintOutcome::Result::Printed, {}, {}};
}

std::unique_ptr<QPrinter> PdfFilePrinter::previewPrinter(const PrintJob& job) const {
    return pdfPrinter(filePath(job.fileName()));
}

QString pdfText(const QString& path) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-layout"), QStringLiteral("-enc"), QStringLiteral("UTF-8"), path,
                   QStringLiteral("-")});
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        qFatal("pdftotext failed on %s (poppler-utils installed?)", qPrintable(path));
    return QString::fromUtf8(process.readAllStandardOutput());
}
