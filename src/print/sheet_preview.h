#pragma once

#include "platform/page_layout.h"

#include <QList>
#include <QPrintPreviewDialog>

#include <memory>

class Printer;
class QComboBox;
class QPrintPreviewWidget;
class QPrinter;

// The sheets as the printer will put them on paper, before anything is printed: the worksheet
// or its solution, chosen in the tool bar. From here the teacher prints on any printer, or saves
// a PDF file wherever she likes.
class SheetPreview {
public:
    // sheets: the worksheet, then its solution; printer sets up the page as printing would.
    SheetPreview(QList<PrintJob> sheets, const Printer& printer, QWidget* parent);
    ~SheetPreview();
    SheetPreview(const SheetPreview&) = delete;
    SheetPreview& operator=(const SheetPreview&) = delete;

    QPrintPreviewDialog& dialog() { return *dialog_; }

    // What became of the preview once it is closed.
    struct Outcome {
        bool printed = false;
        int sheet = 0;   // the sheet printed: 0 the worksheet, 1 its solution
        QString pdfFile; // the file it was printed into, when it went to a file
    };
    // Shows the preview until the teacher closes it or prints from it.
    Outcome exec();

private:
    void showSheet(int index);
    void paintSheet(QPrinter* printer) const;

    QList<PrintJob> sheets_;
    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<QPrintPreviewDialog> dialog_;
    QComboBox* choice_;
    QPrintPreviewWidget* pages_;
    int shown_ = 0;
};
