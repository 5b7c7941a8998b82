#pragma once

#include "platform/page_layout.h"

#include <QDir>
#include <QString>

class QPagedPaintDevice;

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
    QString filePath; // the file written, or the one that could not be written
};

// The printer service. Tests put one in that writes files they can read back.
class Printer {
public:
    virtual ~Printer() = default;
    virtual PrintOutcome print(const PrintJob& job) = 0;
};

// Paints the job onto the pages of the device. A document wider than the page is printed a
// little smaller rather than cut off at the edge.
bool paintJob(const PrintJob& job, QPagedPaintDevice& device);
// Writes the job as a PDF file on A4. An existing file is replaced only by a complete new one.
bool writePdf(const PrintJob& job, const QString& path);

// The default printer of the system. When there is none, or it fails, the document is
// written as a PDF into the given folder, under the job's file name, unless the folder is
// read-only.
class SystemPrinter : public Printer {
public:
    explicit SystemPrinter(const QDir& fileFolder);

    PrintOutcome print(const PrintJob& job) override;

protected:
    virtual bool hasDefaultPrinter() const;
    virtual bool printOnDefaultPrinter(const PrintJob& job);

private:
    QDir fileFolder_;
};
