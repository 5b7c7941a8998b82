#include "editor/list_in_use_bar.h"

#include "app/mox_app.h"
#include "app/selected_word_list.h"
#include "editor/list_names.h"
#include "platform/dialogs.h"
#include "platform/write_access.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace {
const QString kTitle = QStringLiteral("Wörterlisten");
} // namespace

ListInUseBar::ListInUseBar(MoxApp& app, QWidget* parent)
    : QWidget(parent)
    , app_(app) {
    label = new QLabel(this);
    label->setTextFormat(Qt::PlainText);
    useButton = new QPushButton(QStringLiteral("Diese Liste benutzen"), this);
    useButton->setToolTip(
        QStringLiteral("Die gezeigte Liste für alle Übungen und das Drucken benutzen"));
    connect(useButton, &QPushButton::clicked, this, &ListInUseBar::useShownList);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(label, 1);
    layout->addWidget(useButton);
}

void ListInUseBar::setShownList(const QString& fileName) {
    shown_ = fileName;
    refresh();
}

void ListInUseBar::refresh() {
    const QString inUse = listInUse(app_);
    label->setText(
        inUse.isEmpty()
            ? QStringLiteral("Die Übungen haben noch keine Liste.")
            : QStringLiteral("Die Übungen benutzen die Liste „%1“.").arg(listDisplayName(inUse)));
    useButton->setEnabled(!shown_.isEmpty() && shown_ != inUse &&
                          QFileInfo(app_.workDir().filePath(shown_)).isFile());
}

bool ListInUseBar::keepListInUse(const QString& title) {
    const QString inUse = listInUse(app_);
    // A choice whose list is still there stands, even one made meanwhile on another computer.
    const QString chosen = ListInUse::chosen(app_.workDir());
    if (inUse.isEmpty() ||
        (!chosen.isEmpty() && QFileInfo(app_.workDir().filePath(chosen)).isFile()))
        return true;
    const WriteResult written = ListInUse::choose(app_.workDir(), inUse);
    if (written)
        return true;
    app_.dialogs().msgBox(notWrittenText(written) +
                              QStringLiteral("Es wird keine neue Liste angelegt.\r"),
                          MsgBox::OkOnly, title);
    return false;
}

QString ListInUseBar::notWrittenText(WriteResult result) const {
    const QString path = app_.workDir().filePath(ListInUse::FileName);
    const QString folder = QDir::toNativeSeparators(app_.workDir().absolutePath());
    const QFileInfo file(path);
    if (file.exists() && !file.isFile())
        return QStringLiteral("An der Stelle der Datei %1 im Ordner %2 steht etwas anderes.\r")
            .arg(ListInUse::FileName, folder);
    const QString why = SafeFile::reason(result);
    return QStringLiteral("Die Datei %1 ließ sich im Ordner %2 nicht schreiben.")
               .arg(ListInUse::FileName, folder) +
           (why.isEmpty() ? QString() : QLatin1Char(' ') + why) + QLatin1Char('\r');
}

void ListInUseBar::useShownList() {
    const QString kept = QStringLiteral("Die Übungen benutzen weiter die Liste „%1“.\r")
                             .arg(listDisplayName(listInUse(app_)));
    if (!WriteAccess::allowed(app_.dialogs(), app_.workDir().absolutePath(), kept, kTitle))
        return;
    if (const WriteResult written = ListInUse::choose(app_.workDir(), shown_); !written) {
        app_.dialogs().msgBox(notWrittenText(written) + kept, MsgBox::OkOnly, kTitle);
        return;
    }
    // The games draw their words afresh, and the dictionary and the printing take the new list.
    app_.announceWordListSaved(app_.workDir().filePath(shown_));
    selectListInUse(app_);
    refresh();
}
