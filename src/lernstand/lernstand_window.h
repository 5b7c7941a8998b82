#pragma once

#include "lernstand/learning_figures.h"
#include "platform/window.h"

class MoxApp;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSortFilterProxyModel;
class QStandardItemModel;
class QTableView;
class WeekChart;

// The teacher's overview "Lernstand": every child's practice per exercise in a period, to sort
// and filter as a table, and beside it the child chosen in it: tasks per week, the letters
// mixed up, the words gone wrong and how each exercise develops.
class LernstandWindow : public MoxWindow {
    Q_OBJECT
public:
    enum Column { ChildColumn, ExerciseColumn, TasksColumn, ShareColumn, LastColumn };

    explicit LernstandWindow(MoxApp& app);

    QComboBox* periodChoice;
    QLineEdit* filter; // by child or exercise
    QLabel* skipped;   // damaged lines left out
    QTableView* table; // child, exercise, tasks, share right, last practised
    QLabel* childName; // the child shown beside
    WeekChart* weeks;
    QListWidget* confusions;
    QListWidget* words;
    QListWidget* trends;
    QPushButton* reportButton;
    QPushButton* backButton;

    // Reads every child's record afresh for the period chosen.
    void showOverview();
    // The child beside the table; 0 for none.
    void showChild(int childId);
    int shownChild() const { return shownChild_; }
    LearningFigures::Period period() const;

    // The texts of the table as it shows now, row by row.
    QList<QStringList> shownRows() const;

    void report();
    void back();

protected:
    void Form_Load() override;
    void closeRequested() override { back(); }

private:
    void createControls();
    void rowChosen();

    MoxApp& app_;
    QStandardItemModel* model_;
    QSortFilterProxyModel* sorted_;
    int shownChild_ = 0;
};
