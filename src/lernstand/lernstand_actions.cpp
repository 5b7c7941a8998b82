#include "lernstand/lernstand_actions.h"

#include "app/mox_app.h"
#include "klasse/class_room.h"
#include "klasse/class_session.h"
#include "lernstand/records_csv.h"
#include "lernstand/report.h"
#include "lernstand/school_year.h"
#include "platform/dialogs.h"
#include "platform/safe_file.h"
#include "platform/textfile.h"
#include "print/sheet_preview.h"

#include <QFileInfo>

namespace LernstandActions {
namespace {
const QString kReportTitle = QStringLiteral("Bericht");
const QString kExportTitle = QStringLiteral("Exportieren");
const QString kYearTitle = QStringLiteral("Neues Schuljahr");

QString fileAndFolder(const QString& path) {
    const QFileInfo file(path);
    return QStringLiteral("Datei ") + file.fileName() + QStringLiteral("\rim Ordner ") +
           QDir::toNativeSeparators(file.absolutePath()) + u'\r';
}

QString withSkipped(int skipped) {
    return skipped > 0 ? skippedText(skipped) + QStringLiteral(".\r") : QString();
}
} // namespace

QDate today(MoxApp& app) {
    return app.session().now().toLocalTime().date();
}

QString skippedText(int lines) {
    if (lines <= 0)
        return {};
    return lines == 1 ? QStringLiteral("1 beschädigte Zeile übersprungen")
                      : QStringLiteral("%1 beschädigte Zeilen übersprungen").arg(lines);
}

void showReports(MoxApp& app, QWidget* parent, int childId, LearningFigures::Period period) {
    ClassRoom& room = app.classRoom();
    const QDate day = today(app);
    QList<Report::ChildPage> pages;
    QList<PrintJob> sheets;
    for (const Child& child : room.list().children()) {
        pages.append({child.name, LearningFigures::childFigures(room.records().read(child.id).tasks,
                                                                period, day)});
        if (child.id == childId)
            sheets.append(Report::childReport(pages.constLast(), period, day));
    }
    if (pages.isEmpty())
        return;
    sheets.append(Report::classReport(pages, period, day));
    SheetPreview preview(sheets, app.printer(), parent);
    const SheetPreview::Outcome outcome = preview.exec();
    if (outcome.pdfFile.isEmpty())
        return;
    if (QFileInfo(outcome.pdfFile).size() > 0)
        app.dialogs().msgBox(QStringLiteral("Der Bericht steht jetzt in der ") +
                                 fileAndFolder(outcome.pdfFile),
                             MsgBox::OkOnly, kReportTitle);
    else
        app.dialogs().msgBox(QStringLiteral("Der Bericht konnte nicht als ") +
                                 fileAndFolder(outcome.pdfFile) +
                                 QStringLiteral("gespeichert werden.\r"),
                             MsgBox::OkOnly, kReportTitle);
}

void exportRecords(MoxApp& app) {
    ClassRoom& room = app.classRoom();
    const QString path = app.dialogs().saveFileName(
        kExportTitle, app.workDir().filePath(QStringLiteral("Lernstand.csv")),
        QStringLiteral("CSV-Dateien (*.csv)"));
    if (path.isEmpty())
        return;
    int skipped = 0;
    const QByteArray bytes = RecordsCsv::classCsv(room.list(), room.records(), &skipped);
    if (const WriteResult written = writeFileAtomically(path, bytes); !written) {
        const QString why = SafeFile::reason(written);
        app.dialogs().msgBox(
            QStringLiteral("Die Datei '%1' kann nicht gespeichert werden!\r%2")
                .arg(QFileInfo(path).fileName(), why.isEmpty() ? QString() : why + u'\r'),
            MsgBox::OkOnly, kExportTitle);
        return;
    }
    app.dialogs().msgBox(QStringLiteral("Der Lernstand steht jetzt in der ") + fileAndFolder(path) +
                             withSkipped(skipped),
                         MsgBox::OkOnly, kExportTitle);
}

namespace {
// The child at the computer starts the new year with the points their record now gives.
void recountChosenChild(MoxApp& app) {
    if (const Child* child = app.session().child())
        app.setPointsTotal(app.session().choose(child->id));
}
} // namespace

void startSchoolYear(MoxApp& app) {
    const QString folder = app.classRoom().records().folder();
    const int choice = app.dialogs().msgBox(
        QStringLiteral("Ein neues Schuljahr beginnen?\rWas die Kinder bisher geübt haben, zählt "
                       "dann nicht mehr mit,\rund ihre Punkte beginnen wieder bei 0.\r\rJa: ins "
                       "Archiv im Ordner\r%1\rNein: ganz löschen\r")
            .arg(QDir::toNativeSeparators(folder)),
        MsgBox::YesNoCancelQuestion, kYearTitle);
    if (choice == MsgBox::Yes) {
        const SchoolYear::Outcome moved = SchoolYear::archive(folder, today(app));
        recountChosenChild(app);
        if (moved.done == 0 && moved.left == 0)
            app.dialogs().msgBox(QStringLiteral("Es ist noch nichts aufgeschrieben.\r"),
                                 MsgBox::OkOnly, kYearTitle);
        else if (moved.left > 0)
            app.dialogs().msgBox(
                QStringLiteral("%1 Dateien im Ordner\r%2\rließen sich nicht ins Archiv "
                               "verschieben.\r")
                    .arg(moved.left)
                    .arg(QDir::toNativeSeparators(folder)),
                MsgBox::OkOnly, kYearTitle);
        else
            app.dialogs().msgBox(QStringLiteral("Das alte Schuljahr steht jetzt im Ordner\r%1\r")
                                     .arg(QDir::toNativeSeparators(moved.archive)),
                                 MsgBox::OkOnly, kYearTitle);
        return;
    }
    if (choice != MsgBox::No ||
        app.dialogs().msgBox(QStringLiteral("Wirklich alles löschen, was die Kinder bisher geübt "
                                            "haben?\rDas lässt sich nicht rückgängig machen.\r"),
                             MsgBox::YesNoQuestion, kYearTitle) != MsgBox::Yes)
        return;
    const SchoolYear::Outcome removed = SchoolYear::removeAll(folder);
    recountChosenChild(app);
    if (removed.left > 0)
        app.dialogs().msgBox(QStringLiteral("%1 Dateien im Ordner\r%2\rließen sich nicht "
                                            "löschen.\r")
                                 .arg(removed.left)
                                 .arg(QDir::toNativeSeparators(folder)),
                             MsgBox::OkOnly, kYearTitle);
    else
        app.dialogs().msgBox(QStringLiteral("Alles Aufgeschriebene ist gelöscht.\r"),
                             MsgBox::OkOnly, kYearTitle);
}

void tellRecordsNotice(MoxApp& app) {
    if (const QString notice = app.classRoom().records().takeNotice(); !notice.isEmpty())
        app.dialogs().msgBox(notice, MsgBox::OkOnly, QStringLiteral("Lernstand"));
}

} // namespace LernstandActions
