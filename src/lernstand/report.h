#pragma once

#include "lernstand/learning_figures.h"
#include "platform/page_layout.h"

#include <QList>
#include <QString>

// The page a teacher gives parents at the parents' evening: what the child practised in the
// period, how it went, and the letters and words to practise next, in plain German.
namespace Report {

struct ChildPage {
    QString name;
    LearningFigures::ChildFigures figures;
};

// The page of one child.
PrintJob childReport(const ChildPage& child, LearningFigures::Period period, const QDate& today);
// One page per child, in the order given.
PrintJob classReport(const QList<ChildPage>& children, LearningFigures::Period period,
                     const QDate& today);

} // namespace Report
