#include "editor/word_list_editor.h"

#include "app/mox_app.h"
#include "editor/list_in_use_bar.h"
#include "editor/list_names.h"
#include "editor/syllable_column.h"
#include "editor/word_recordings.h"
#include "editor/word_table.h"
#include "editor/word_table_model.h"
#include "exercises/woerterbuch.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/twips.h"
#include "platform/write_access.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QString kTitle = QStringLiteral("Wörterlisten");
const QString kNewListTitle = QStringLiteral("Neue Liste");
// The window's size at design size, in twips; it grows with the program's scale.
constexpr int kWidth = 9000;
constexpr int kHeight = 7200;

} // namespace

WordListEditor::WordListEditor(MoxApp& app)
    : app_(app)
    , model_(new WordTableModel(this)) {
    setWindowTitle(kTitle);
    setBackgroundColor(QColor(255, 250, 235));
    setFont(Twips::font(QStringLiteral("MS Sans Serif"), 9.75));
    createControls();
    showProgramSplits(*model_, app_.readingHelp());
    resize(Twips::toPixels(kWidth), Twips::toPixels(kHeight));
    updateEnabled();
}

void WordListEditor::createControls() {
    auto* chooserCaption = new QLabel(QStringLiteral("&Liste:"), this);
    listChooser = new QComboBox(this);
    listChooser->setAccessibleName(QStringLiteral("Liste"));
    chooserCaption->setBuddy(listChooser);
    connect(listChooser, &QComboBox::activated, this, &WordListEditor::chooseList);
    newListButton = new QPushButton(kNewListTitle, this);
    connect(newListButton, &QPushButton::clicked, this, &WordListEditor::newList);
    listInUseBar = new ListInUseBar(app_, this);

    table = new WordTable(this);
    table->setModel(model_);
    QHeaderView* columns = table->horizontalHeader();
    columns->setSectionResizeMode(WordTableModel::WordColumn, QHeaderView::Stretch);
    columns->setSectionResizeMode(WordTableModel::PageColumn, QHeaderView::Fixed);
    columns->resizeSection(WordTableModel::PageColumn, Twips::toPixels(1500));
    columns->setSectionResizeMode(WordTableModel::SyllablesColumn, QHeaderView::Stretch);
    connect(table, &WordTable::tabbedPastEnd, this, &WordListEditor::newRow);

    auto button = [this](const QString& text, auto click) {
        auto* created = new QPushButton(text, this);
        connect(created, &QPushButton::clicked, this, click);
        return created;
    };
    newRowButton = button(QStringLiteral("Neue Zeile"), &WordListEditor::newRow);
    // Clicked twice, it would take the focus from the new row's open cell and close it.
    newRowButton->setFocusPolicy(Qt::TabFocus);
    deleteRowsButton = button(QStringLiteral("Zeile löschen"), &WordListEditor::deleteRows);
    sortButton = button(QStringLiteral("Sortieren"), &WordListEditor::sortRows);
    QUndoStack& undo = model_->undoStack();
    undoButton = new QPushButton(QStringLiteral("Rückgängig"), this);
    undoButton->setToolTip(QStringLiteral("Rückgängig (Strg+Z)"));
    connect(undoButton, &QPushButton::clicked, &undo, &QUndoStack::undo);
    connect(&undo, &QUndoStack::canUndoChanged, undoButton, &QPushButton::setEnabled);
    redoButton = new QPushButton(QStringLiteral("Wiederholen"), this);
    redoButton->setToolTip(QStringLiteral("Wiederholen (Strg+Y)"));
    connect(redoButton, &QPushButton::clicked, &undo, &QUndoStack::redo);
    connect(&undo, &QUndoStack::canRedoChanged, redoButton, &QPushButton::setEnabled);
    lettersButton = new QPushButton(QStringLiteral("Buchstaben aufnehmen"), this);
    new WordRecordings(app_, *table, *model_, *lettersButton);
    saveButton = button(QStringLiteral("Speichern"), &WordListEditor::save);
    saveButton->setToolTip(QStringLiteral("Speichern (Strg+S)"));
    backButton = button(QStringLiteral("Zurück"), &WordListEditor::back);

    notice = new QLabel(this);
    notice->setWordWrap(true);
    notice->setTextFormat(Qt::PlainText);
    notice->setAccessibleDescription(QStringLiteral("Hinweis"));
    notice->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Room for two lines whatever it says, so that the buttons above never move under a click.
    notice->setFixedHeight(notice->fontMetrics().lineSpacing() * 2 + 2 * notice->margin());

    auto* top = new QHBoxLayout;
    top->addWidget(chooserCaption);
    top->addWidget(listChooser, 1);
    top->addWidget(newListButton);
    auto* buttons = new QVBoxLayout;
    for (QPushButton* each : {newRowButton, deleteRowsButton, sortButton, undoButton, redoButton})
        buttons->addWidget(each);
    buttons->addStretch(1);
    buttons->addWidget(lettersButton);
    buttons->addWidget(saveButton);
    buttons->addWidget(backButton);
    auto* middle = new QHBoxLayout;
    middle->addWidget(table, 1);
    middle->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    const int margin = Twips::toPixels(180);
    layout->setContentsMargins(margin, margin, margin, margin);
    layout->setSpacing(Twips::toPixels(120));
    layout->addLayout(top);
    layout->addWidget(listInUseBar);
    layout->addLayout(middle, 1);
    layout->addWidget(notice);

    auto shortcut = [this](QWidget* owner, const QList<QKeySequence>& keys, auto slot) {
        auto* action = new QAction(owner);
        action->setShortcuts(keys);
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        connect(action, &QAction::triggered, this, slot);
        owner->addAction(action);
    };
    // An open cell editor keeps its own Ctrl+Z, Ctrl+V and Ctrl+C for the text it holds.
    shortcut(this, {QKeySequence::Undo}, [&undo] { undo.undo(); });
    shortcut(this,
             {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)},
             [&undo] { undo.redo(); });
    shortcut(this, {QKeySequence::Save}, [this] { save(); });
    shortcut(table, {QKeySequence::Paste}, [this] { paste(); });
    shortcut(table, {QKeySequence::Copy}, [this] { copy(); });

    // Told once the cell has closed, not while it closes.
    connect(
        model_, &WordTableModel::splitRefused, this,
        [this](const QString& word, const QString& split) {
            message(SyllableColumn::refusedText(word, split));
        },
        Qt::QueuedConnection);
    connect(model_, &QAbstractItemModel::modelReset, this, &WordListEditor::updateNotice);
    connect(model_, &QAbstractItemModel::layoutChanged, this, &WordListEditor::updateNotice);
    connect(model_, &QAbstractItemModel::dataChanged, this, &WordListEditor::updateNotice);
    connect(model_, &QAbstractItemModel::rowsInserted, this, &WordListEditor::updateNotice);
    connect(model_, &QAbstractItemModel::rowsRemoved, this, &WordListEditor::updateNotice);
    connect(table->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &WordListEditor::updateNotice);
}

void WordListEditor::Form_Load() {
    placeOnScreen(Placement::Centred);
}

void WordListEditor::Form_Activate() {
    if (!table->isEnabled()) {
        newListButton->setFocus();
        return;
    }
    if (!table->currentIndex().isValid() && model_->rowCount() > 0)
        table->goTo(0, WordTableModel::WordColumn);
    table->setFocus();
}

void WordListEditor::openLists() {
    FileList* files = app_.window<Form3>().Datei1;
    files->rescan();
    QString shown = file_ ? file_->fileName() : QString();
    if (shown.isEmpty() && files->currentItem())
        shown = files->currentItem()->text();
    fillChooser(shown);
    openFile(listChooser->currentData().toString());
}

void WordListEditor::fillChooser(const QString& shown) {
    FileList* files = app_.window<Form3>().Datei1;
    listChooser->clear();
    for (int i = 0; i < files->count(); ++i) {
        const QString name = files->item(i)->text();
        listChooser->addItem(listDisplayName(name), name);
        listChooser->setItemData(i, name, Qt::ToolTipRole);
    }
    listChooser->setCurrentIndex(std::max(listChooser->findData(shown), 0));
}

void WordListEditor::chooseList(int index) {
    const QString name = listChooser->itemData(index).toString();
    if (file_ && name == file_->fileName())
        return;
    if (!settleUnsavedEdits()) {
        listChooser->setCurrentIndex(file_ ? listChooser->findData(file_->fileName()) : -1);
        return;
    }
    // A new list that was never saved leaves the choice.
    fillChooser(name);
    openFile(name);
}

void WordListEditor::openFile(const QString& name) {
    file_.reset();
    QList<WordRow> rows;
    if (!name.isEmpty()) {
        auto file = std::make_unique<WordListFile>(app_.workDir().filePath(name));
        switch (file->read(rows)) {
        case WordListFile::Read::Done:
            file_ = std::move(file);
            break;
        case WordListFile::Read::Missing:
            message(QStringLiteral("Die Liste „%1“ lässt sich nicht lesen.\r")
                        .arg(listDisplayName(name)));
            break;
        case WordListFile::Read::TooLarge:
            message(wordListTooLargeText());
            break;
        }
    }
    model_->setRows(std::move(rows));
    listInUseBar->setShownList(file_ ? file_->fileName() : QString());
    updateEnabled();
    updateNotice();
    if (model_->rowCount() > 0)
        table->goTo(std::max(model_->nextMarkedRow(), 0), WordTableModel::WordColumn);
}

bool WordListEditor::settleUnsavedEdits() {
    if (!file_ || !model_->isModified())
        return true;
    const int answer = app_.dialogs().msgBox(
        QStringLiteral("Die Liste „%1“ wurde geändert.\rSollen die Änderungen gespeichert "
                       "werden?\r")
            .arg(listDisplayName(file_->fileName())),
        MsgBox::YesNoCancelQuestion, kTitle);
    if (answer == MsgBox::Yes)
        return save();
    if (answer != MsgBox::No)
        return false;
    model_->discardEdits();
    return true;
}

void WordListEditor::newList() {
    if (!settleUnsavedEdits() ||
        !WriteAccess::allowed(app_.dialogs(), app_.workDir().absolutePath(),
                              QStringLiteral("Es wird keine neue Liste angelegt.\r"),
                              kNewListTitle))
        return;
    const QString name = askNewListName();
    if (name.isEmpty() || !listInUseBar->keepListInUse(kNewListTitle))
        return;
    fillChooser(name);
    listChooser->addItem(listDisplayName(name), name);
    listChooser->setCurrentIndex(listChooser->count() - 1);
    file_ = std::make_unique<WordListFile>(app_.workDir().filePath(name));
    model_->setRows({WordRow{}});
    listInUseBar->setShownList(name);
    updateEnabled();
    table->goTo(0, WordTableModel::WordColumn);
}

QString WordListEditor::askNewListName() {
    QString typed;
    for (;;) {
        typed = app_.dialogs().inputBox(
            QStringLiteral("Name der neuen Liste, zum Beispiel Klasse 2a:"), kNewListTitle, typed);
        if (typed.trimmed().isEmpty())
            return {};
        const NewListName name = newListName(typed, app_.workDir());
        if (name.problem.isEmpty())
            return name.fileName;
        message(name.problem, kNewListTitle);
    }
}

void WordListEditor::newRow() {
    table->closeOpenCell();
    // An empty row at hand is taken rather than piling up another.
    int at = currentBlankRow();
    if (at < 0) {
        at = insertionRow();
        model_->insertRows(at, {WordRow{}}, QStringLiteral("Neue Zeile"));
    }
    table->openCell(at, WordTableModel::WordColumn);
}

int WordListEditor::currentBlankRow() const {
    const QModelIndex current = table->currentIndex();
    return current.isValid() && model_->rows().at(current.row()).isBlank() ? current.row() : -1;
}

int WordListEditor::insertionRow() const {
    const QModelIndex current = table->currentIndex();
    return current.isValid() ? current.row() + 1 : model_->rowCount();
}

void WordListEditor::deleteRows() {
    const QList<int> rows = table->chosenRows();
    if (rows.isEmpty())
        return;
    const int column = std::max(table->currentIndex().column(), 0);
    model_->removeRowsAt(rows);
    table->setFocus();
    if (model_->rowCount() > 0)
        table->goTo(std::min(rows.first(), model_->rowCount() - 1), column);
}

void WordListEditor::sortRows() {
    model_->sortAbc();
    table->setFocus();
}

void WordListEditor::paste() {
    if (!file_)
        return;
    const QList<WordRow> rows = rowsFromPastedText(QGuiApplication::clipboard()->text());
    if (rows.isEmpty())
        return;
    if (model_->rowCount() + rows.size() > kMaxWordListEntries) {
        message(QStringLiteral("Eine Wörterliste hat höchstens 100.000 Wörter.\r"
                               "Die Zeilen werden nicht eingefügt.\r"));
        return;
    }
    // Pasted onto an empty row, the rows come before it rather than after it.
    const int blank = currentBlankRow();
    const int at = blank >= 0 ? blank : insertionRow();
    model_->insertRows(at, rows, QStringLiteral("Einfügen"));
    table->goTo(at, WordTableModel::WordColumn);
    table->selectionModel()->select(
        QItemSelection(model_->index(at, 0),
                       model_->index(at + static_cast<int>(rows.size()) - 1, 1)),
        QItemSelectionModel::ClearAndSelect);
}

void WordListEditor::copy() {
    QList<WordRow> copied;
    for (const int row : table->chosenRows())
        copied.append(model_->rows().at(row));
    if (!copied.isEmpty())
        QGuiApplication::clipboard()->setText(rowsAsText(copied));
}

bool WordListEditor::save() {
    if (!file_ || refuseMarkedRow())
        return false;
    WordListFile::Saved result = file_->save(model_->rows());
    if (result == WordListFile::Saved::ChangedOnDisk) {
        if (app_.dialogs().msgBox(
                QStringLiteral("Die Datei %1 wurde inzwischen außerhalb dieses Fensters geändert.\r"
                               "Soll sie trotzdem mit dieser Liste überschrieben werden?\r")
                    .arg(file_->fileName()),
                MsgBox::YesNoQuestion, kTitle) != MsgBox::Yes)
            return false;
        result = file_->save(model_->rows(), WordListFile::Overwrite::Always);
    }
    if (result != WordListFile::Saved::Done) {
        message(file_->failureText(result));
        return false;
    }
    app_.announceWordListSaved(file_->path());
    listInUseBar->refresh();
    if (const QString unsaved = model_->syllables().save(app_.readingHelp()); !unsaved.isEmpty()) {
        message(unsaved);
        return false;
    }
    model_->markSaved();
    return true;
}

bool WordListEditor::refuseMarkedRow() {
    const int row = model_->nextMarkedRow();
    if (row < 0)
        return false;
    message(QStringLiteral("Zeile %1 ist markiert: %2\rDie Liste wird erst gespeichert, wenn "
                           "keine Zeile mehr markiert ist.\r")
                .arg(row + 1)
                .arg(rowFaultText(model_->fault(row))));
    const bool wordAtFault = wordFault(model_->rows().at(row).word) != RowFault::None;
    table->goTo(row, wordAtFault ? WordTableModel::WordColumn : WordTableModel::PageColumn);
    return true;
}

void WordListEditor::back() {
    if (settleUnsavedEdits())
        app_.backToMain(*this);
}

void WordListEditor::message(const QString& text, const QString& title) {
    app_.dialogs().msgBox(text, MsgBox::OkOnly, title.isEmpty() ? kTitle : title);
}

void WordListEditor::updateNotice() {
    const QString text = noticeText();
    notice->setText(text);
    notice->setToolTip(text);
}

QString WordListEditor::noticeText() const {
    if (!file_)
        return listChooser->count() == 0 ? QStringLiteral("Es gibt noch keine Wörterliste. "
                                                          "„Neue Liste“ legt eine an.")
                                         : QString();
    return model_->summary(table->currentIndex());
}

void WordListEditor::updateEnabled() {
    const bool open = file_ != nullptr;
    for (QWidget* control : {static_cast<QWidget*>(table), static_cast<QWidget*>(newRowButton),
                             static_cast<QWidget*>(deleteRowsButton),
                             static_cast<QWidget*>(sortButton), static_cast<QWidget*>(saveButton)})
        control->setEnabled(open);
    undoButton->setEnabled(model_->undoStack().canUndo());
    redoButton->setEnabled(model_->undoStack().canRedo());
}
