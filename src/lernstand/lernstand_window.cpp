#include "lernstand/lernstand_window.h"

#include "app/mox_app.h"
#include "klasse/class_room.h"
#include "klasse/klasse_window.h"
#include "lernstand/lernstand_actions.h"
#include "lernstand/week_chart.h"
#include "platform/twips.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTableView>

using namespace LearningFigures;

namespace {
const QString kTitle = QStringLiteral("Lernstand");
constexpr int kSortRole = Qt::UserRole;
constexpr int kChildRole = Qt::UserRole + 1;
// At most this many of each list, the most frequent first.
constexpr qsizetype kListed = 12;

// Finds the text in the child's name or the exercise, whatever its case.
class ChildOrExercise : public QSortFilterProxyModel {
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override {
        const QString wanted = filterRegularExpression().pattern();
        if (wanted.isEmpty())
            return true;
        for (const int column : {LernstandWindow::ChildColumn, LernstandWindow::ExerciseColumn}) {
            const QString text = sourceModel()->index(row, column, parent).data().toString();
            if (text.contains(wanted, Qt::CaseInsensitive))
                return true;
        }
        return false;
    }
};

QStandardItem* cell(const QString& text, const QVariant& sortKey, int childId) {
    auto* item = new QStandardItem(text);
    item->setData(sortKey, kSortRole);
    item->setData(childId, kChildRole);
    item->setEditable(false);
    return item;
}

void fill(QListWidget* list, const QStringList& lines, const QString& none) {
    list->clear();
    list->addItems(lines.isEmpty() ? QStringList{none} : lines);
}

QStringList countLines(const QList<Count>& counts) {
    QStringList lines;
    for (const Count& count : counts.first(std::min(counts.size(), kListed)))
        lines.append(QStringLiteral("%1: %2-mal").arg(count.text).arg(count.times));
    return lines;
}
} // namespace

LernstandWindow::LernstandWindow(MoxApp& app)
    : app_(app) {
    setWindowTitle(kTitle);
    createControls();
}

void LernstandWindow::createControls() {
    setClientSize(13680, 7560);
    const QFont font = Twips::font(QStringLiteral("MS Sans Serif"), 9.75);
    setFont(font);

    auto* periodLabel = new QLabel(QStringLiteral("Zeitraum:"), this);
    place(periodLabel, 120, 150, 1140, 300);
    periodChoice = new QComboBox(this);
    for (const Period period : kPeriods)
        periodChoice->addItem(periodName(period), int(period));
    periodChoice->setCurrentIndex(1);
    periodChoice->setAccessibleName(QStringLiteral("Zeitraum"));
    periodLabel->setBuddy(periodChoice);
    place(periodChoice, 1260, 120, 1800, 360);
    connect(periodChoice, &QComboBox::currentIndexChanged, this, &LernstandWindow::showOverview);

    auto* filterLabel = new QLabel(QStringLiteral("Suchen:"), this);
    place(filterLabel, 3240, 150, 900, 300);
    filter = new QLineEdit(this);
    filter->setAccessibleName(QStringLiteral("Suchen nach Kind oder Übung"));
    filter->setPlaceholderText(QStringLiteral("Kind oder Übung"));
    filter->setClearButtonEnabled(true);
    filterLabel->setBuddy(filter);
    place(filter, 4140, 120, 3180, 360);

    skipped = new QLabel(this);
    skipped->setAccessibleName(QStringLiteral("Beschädigte Zeilen"));
    place(skipped, 120, 7080, 7200, 300);

    model_ = new QStandardItemModel(0, 5, this);
    model_->setHorizontalHeaderLabels({QStringLiteral("Kind"), QStringLiteral("Übung"),
                                       QStringLiteral("Aufgaben"), QStringLiteral("richtig"),
                                       QStringLiteral("zuletzt")});
    sorted_ = new ChildOrExercise(this);
    sorted_->setSourceModel(model_);
    sorted_->setSortRole(kSortRole);
    sorted_->setSortCaseSensitivity(Qt::CaseInsensitive);
    sorted_->setSortLocaleAware(true);
    connect(filter, &QLineEdit::textChanged, sorted_, &QSortFilterProxyModel::setFilterFixedString);

    table = new QTableView(this);
    table->setModel(sorted_);
    table->setAccessibleName(QStringLiteral("Übersicht"));
    table->setSortingEnabled(true);
    table->sortByColumn(ChildColumn, Qt::AscendingOrder);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setStretchLastSection(true);
    place(table, 120, 600, 7200, 6360);
    connect(table->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &LernstandWindow::rowChosen);

    childName = new QLabel(this);
    childName->setFont(Twips::font(QStringLiteral("MS Sans Serif"), 12, true));
    childName->setAccessibleName(QStringLiteral("Kind"));
    place(childName, 7440, 120, 6120, 360);
    weeks = new WeekChart(this);
    place(weeks, 7440, 540, 6120, 1800);

    auto list = [this](const QString& heading, int left, int top, int width, int height) {
        auto* label = new QLabel(heading, this);
        place(label, left, top, width, 300);
        auto* shown = new QListWidget(this);
        shown->setAccessibleName(heading);
        label->setBuddy(shown);
        place(shown, left, top + 300, width, height);
        return shown;
    };
    confusions = list(QStringLiteral("Verwechselt"), 7440, 2460, 2980, 2160);
    words = list(QStringLiteral("Falsche Wörter"), 10580, 2460, 2980, 2160);
    trends = list(QStringLiteral("Entwicklung"), 7440, 5040, 6120, 1380);

    reportButton = new QPushButton(QStringLiteral("Bericht"), this);
    place(reportButton, 9960, 6900, 1680, 495);
    connect(reportButton, &QPushButton::clicked, this, &LernstandWindow::report);
    backButton = new QPushButton(QStringLiteral("Zurück"), this);
    place(backButton, 11880, 6900, 1680, 495);
    connect(backButton, &QPushButton::clicked, this, &LernstandWindow::back);
}

void LernstandWindow::Form_Load() {
    placeOnScreen(Placement::Centred);
}

Period LernstandWindow::period() const {
    return Period(periodChoice->currentData().toInt());
}

void LernstandWindow::showOverview() {
    ClassRoom& room = app_.classRoom();
    const Overview figures =
        overview(room.list(), room.records(), period(), LernstandActions::today(app_));
    model_->removeRows(0, model_->rowCount());
    for (const OverviewRow& row : figures.rows) {
        const ExerciseFigures& exercise = row.figures;
        const std::optional<double> share = exercise.shareRight();
        const QDate last = exercise.last.toLocalTime().date();
        model_->appendRow({cell(row.name, row.name, row.childId),
                           cell(exercise.exercise, exercise.exercise, row.childId),
                           cell(QString::number(exercise.tasks), exercise.tasks, row.childId),
                           cell(percentText(share), share.value_or(-1), row.childId),
                           cell(dateText(last), exercise.last, row.childId)});
    }
    skipped->setText(LernstandActions::skippedText(figures.skippedLines));
    int shown = shownChild_;
    if (!room.list().find(shown))
        shown = room.list().isEmpty() ? 0 : room.list().children().constFirst().id;
    showChild(shown);
}

void LernstandWindow::rowChosen() {
    const QModelIndex current = table->currentIndex();
    if (current.isValid())
        showChild(current.data(kChildRole).toInt());
}

void LernstandWindow::showChild(int childId) {
    ClassRoom& room = app_.classRoom();
    const Child* child = room.list().find(childId);
    shownChild_ = child ? childId : 0;
    childName->setText(child ? child->name : QString());
    const ChildFigures figures = child ? childFigures(room.records().read(childId).tasks, period(),
                                                      LernstandActions::today(app_))
                                       : ChildFigures{};
    weeks->setWeeks(figures.weeks);
    fill(confusions, countLines(figures.confusions),
         QStringLiteral("Keine Buchstaben verwechselt"));
    fill(words, countLines(figures.wrongWords), QStringLiteral("Keine Wörter falsch"));
    QStringList developments;
    for (const Trend& trend : figures.trends)
        developments.append(QStringLiteral("%1: %2 → %3 (%4)")
                                .arg(trend.exercise, percentText(trend.before),
                                     percentText(trend.after), trendWord(trend)));
    fill(trends, developments, QStringLiteral("Nichts geübt"));
}

QList<QStringList> LernstandWindow::shownRows() const {
    QList<QStringList> rows;
    for (int row = 0; row < sorted_->rowCount(); ++row) {
        QStringList texts;
        for (int column = 0; column < sorted_->columnCount(); ++column)
            texts.append(sorted_->index(row, column).data().toString());
        rows.append(texts);
    }
    return rows;
}

void LernstandWindow::report() {
    LernstandActions::showReports(app_, this, shownChild_, period());
}

void LernstandWindow::back() {
    hide();
    app_.window<KlasseWindow>().showFromOpener();
}
