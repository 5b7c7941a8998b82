#pragma once

#include "platform/page_layout.h"
#include "platform/safe_file.h"

#include <QDir>
#include <QString>

#include <memory>

class QPageLayout;
class QPagedPaintDevice;
class QPrinter;

// What became of a print job.
struct PrintOutcome {
    enum class Result {
        Printed,
        SavedNoPrinter,     // no printer is set up: written as a file instead
        SavedPrinterFailed, // the printer failed: written as a file instead
        FolderReadOnly,     // not printed, and the folder for the file cannot be written
        Failed,             // neither printed nor written
    };
    Result result = Result::Printed;
    QString filePath;    // the file written, or the one that could not be written
    WriteResult written; // for Failed: why the file was not written
};

// The printer service. Tests put one in that writes files they can read back.
class Printer {
public:
    virtual ~Printer() = default;
    virtual PrintOutcome print(const PrintJob& job) = 0;
    // A printer set up as print() would print, for a preview of the job to lay its pages out on
    // and to print from: the default printer, or a PDF file in the folder print() writes into.
    virtual std::unique_ptr<QPrinter> previewPrinter(const PrintJob& job) const = 0;
};

// The page of the PDF files: A4, with room to hold the sheet.
QPageLayout pdfPageLayout();
// A printer that writes the job as a PDF file at path, on the page of pdfPageLayout().
std::unique_ptr<QPrinter> pdfPrinter(const QString& path);

// Paints the job onto the pages of the device. A document wider than the page is printed a
// little smaller rather than cut off at the edge.
bool paintJob(const PrintJob& job, QPagedPaintDevice& device);
// Writes the job as a PDF file on A4. An existing file is replaced only by a complete new one.
WriteResult writePdf(const PrintJob& job, const QString& path);

// The default printer of the system. When there is none, or it fails, the document is
// written as a PDF into the given folder, under the job's file name, unless the folder is
// read-only.
class SystemPrinter : public Printer {
public:
    explicit SystemPrinter(const QDir& fileFolder);

    PrintOutcome print(const PrintJob& job) override;
    std::unique_ptr<QPrinter> previewPrinter(const PrintJob& job) const override;

protected:
    virtual bool hasDefaultPrinter() const;
    virtual bool printOnDefaultPrinter(const PrintJob& job);

private:
    QDir fileFolder_;
};
