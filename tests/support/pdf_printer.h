#pragma once

#include "platform/printer.h"

#include <QDir>
#include <QString>

// Stands in for the printer: every document becomes a PDF file in a folder of its own, under
// the job's file name, for the test to read back.
class PdfFilePrinter final : public Printer {
public:
    void setFolder(const QString& folder);
    QString filePath(const QString& fileName) const { return folder_.filePath(fileName); }

    PrintOutcome print(const PrintJob& job) override;
    std::unique_ptr<QPrinter> previewPrinter(const PrintJob& job) const override;

    int jobs = 0;

private:
    QDir folder_;
};

// The text of a PDF file as `pdftotext -layout` lays it out, pages separated by form feeds.
QString pdfText(const QString& path);
