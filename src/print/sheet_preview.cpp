#include "print/sheet_preview.h"

#include "platform/printer.h"
#include "platform/qt_texts.h"
#include "platform/twips.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QScreen>
#include <QToolBar>

SheetPreview::SheetPreview(QList<PrintJob> sheets, const Printer& printer, QWidget* parent)
    : sheets_(std::move(sheets))
    , printer_(printer.previewPrinter(sheets_.first())) {
    // Qt's own buttons and the printer dialog speak German too.
    loadQtGermanTexts();
    dialog_ = std::make_unique<QPrintPreviewDialog>(printer_.get(), parent);
    dialog_->setWindowTitle(QStringLiteral("Vorschau"));
    pages_ = dialog_->findChild<QPrintPreviewWidget*>();
    QObject::connect(dialog_.get(), &QPrintPreviewDialog::paintRequested, dialog_.get(),
                     [this](QPrinter* target) { paintSheet(target); });

    choice_ = new QComboBox(dialog_.get());
    for (const PrintJob& sheet : std::as_const(sheets_))
        choice_->addItem(sheet.title());
    choice_->setObjectName(QStringLiteral("Blatt"));
    choice_->setAccessibleName(QStringLiteral("Blatt"));
    // First in the tool bar, where no narrow window can push it out of sight: the sheet, and
    // printing it (Qt puts that last, behind the tool bar's overflow on a small screen).
    if (auto* tools = dialog_->findChild<QToolBar*>(); tools && !tools->actions().isEmpty()) {
        QAction* first = tools->actions().constFirst();
        QAction* print = tools->actions().constLast();
        auto* label = new QLabel(QStringLiteral(" Blatt: "), tools);
        label->setBuddy(choice_);
        tools->insertWidget(first, label);
        tools->insertWidget(first, choice_);
        print->setObjectName(QStringLiteral("Drucken"));
        tools->insertAction(first, print);
        tools->insertSeparator(first);
        // Icons as large as the program's scale makes the text.
        const int icon = Twips::toPixels(360);
        tools->setIconSize(QSize(icon, icon));
    }
    QObject::connect(choice_, &QComboBox::currentIndexChanged, dialog_.get(),
                     [this](int index) { showSheet(index); });
    showSheet(0);

    // Large enough to read a whole page, on any screen.
    if (const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        dialog_->resize(area.width() * 7 / 10, area.height() * 9 / 10);
    }
}

SheetPreview::~SheetPreview() = default;

SheetPreview::Outcome SheetPreview::exec() {
    // The preview closes as accepted only once it has printed.
    if (dialog_->exec() != QDialog::Accepted)
        return {};
    Outcome outcome{true, shown_, {}};
    if (printer_->outputFormat() == QPrinter::PdfFormat)
        outcome.pdfFile = QFileInfo(printer_->outputFileName()).absoluteFilePath();
    return outcome;
}

void SheetPreview::showSheet(int index) {
    if (index < 0 || index >= sheets_.size())
        return;
    shown_ = index;
    const PrintJob& sheet = sheets_.at(index);
    printer_->setDocName(sheet.title());
    // Saved from here, the sheet keeps the name it has when it is written without a printer.
    if (printer_->outputFormat() == QPrinter::PdfFormat) {
        const QString folder = QFileInfo(printer_->outputFileName()).absolutePath();
        printer_->setOutputFileName(QDir(folder).filePath(sheet.fileName()));
    }
    if (pages_)
        pages_->updatePreview();
}

void SheetPreview::paintSheet(QPrinter* printer) const {
    paintJob(sheets_.at(shown_), *printer);
}
