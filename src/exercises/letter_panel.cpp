#include "exercises/letter_panel.h"

#include "exercises/letters.h"
#include "platform/controls.h"
#include "platform/focus_ring.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyledItemDelegate>

namespace {

constexpr int kRows = 2;

// Draws the entries and, while the panel has the focus, an orange ring around the current
// letter, the one Space or Enter would choose.
class LetterDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem plain = option;
        const bool current = option.state & QStyle::State_HasFocus;
        plain.state &= ~QStyle::State_HasFocus;
        QStyledItemDelegate::paint(painter, plain, index);
        if (!current)
            return;
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        const qreal line = FocusRing::lineWidth();
        painter->setPen(QPen(FocusRing::colour(), line));
        painter->setBrush(Qt::NoBrush);
        const QRectF ring = QRectF(option.rect).adjusted(line / 2, line / 2, -line / 2, -line / 2);
        painter->drawRoundedRect(ring, line, line);
        painter->restore();
    }
};

} // namespace

LetterPanel::LetterPanel(Marking marking, QWidget* parent, const QString& letters)
    : QListWidget(parent)
    , marking_(marking)
    , letters_(letters) {
    switch (marking) {
    case Marking::Toggle:
        setSelectionMode(MultiSelection);
        break;
    case Marking::Single:
        setSelectionMode(SingleSelection);
        break;
    case Marking::None:
        setSelectionMode(NoSelection);
        break;
    }
    setFlow(TopToBottom);
    setWrapping(true);
    setResizeMode(Adjust);
    setMovement(Static);
    setUniformItemSizes(true);
    setTextElideMode(Qt::ElideNone);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    setItemDelegate(new LetterDelegate(this));
    setAccessibleName(QStringLiteral("Buchstaben"));
    connect(this, &QListWidget::itemClicked, this, &LetterPanel::letterChosen);
    // A letter typed while another control of the window has the focus reaches the window.
    if (parent)
        parent->installEventFilter(this);
}

void LetterPanel::refill() {
    clear();
    for (const QChar letter : std::as_const(letters_)) {
        auto* entry = new QListWidgetItem(QStringLiteral(" %1 ").arg(letter), this);
        entry->setTextAlignment(Qt::AlignCenter);
    }
    setCurrentRow(0, QItemSelectionModel::NoUpdate);
}

QChar LetterPanel::chosenLetter() const {
    const QListWidgetItem* entry = currentItem();
    return entry && entry->text().size() > 1 ? entry->text().at(1) : QChar();
}

bool LetterPanel::chooseTyped(const QKeyEvent& event) {
    const std::optional<QChar> letter = typedGermanLetter(event);
    if (!letter)
        return false;
    const QList<QListWidgetItem*> entries =
        findItems(QStringLiteral(" %1 ").arg(*letter), Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (entries.isEmpty())
        return false;
    choose(row(entries.first()));
    return true;
}

void LetterPanel::choose(int row) {
    const auto marks = marking_ == Marking::Toggle   ? QItemSelectionModel::Toggle
                       : marking_ == Marking::Single ? QItemSelectionModel::ClearAndSelect
                                                     : QItemSelectionModel::NoUpdate;
    setCurrentRow(row, marks);
    emit letterChosen();
}

bool LetterPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parent() && event->type() == QEvent::KeyPress &&
        chooseTyped(*static_cast<QKeyEvent*>(event)))
        return true;
    return QListWidget::eventFilter(watched, event);
}

void LetterPanel::keyPressEvent(QKeyEvent* event) {
    if (chooseTyped(*event))
        return;
    const bool choice = event->key() == Qt::Key_Space || event->key() == Qt::Key_Return ||
                        event->key() == Qt::Key_Enter;
    if (choice && !event->isAutoRepeat() && currentRow() >= 0) {
        choose(currentRow());
        return;
    }
    QListWidget::keyPressEvent(event);
}

QItemSelectionModel::SelectionFlags LetterPanel::selectionCommand(const QModelIndex& index,
                                                                  const QEvent* event) const {
    if (!event || event->type() == QEvent::KeyPress)
        return QItemSelectionModel::NoUpdate;
    return QListWidget::selectionCommand(index, event);
}

void LetterPanel::resizeEvent(QResizeEvent* event) {
    // A column wraps when the next entry would reach the last pixel row, hence the one pixel.
    const QSize area = viewport()->size();
    const auto columns = static_cast<int>(letters_.size() + kRows - 1) / kRows;
    setGridSize(QSize(area.width() / columns, (area.height() - 1) / kRows));
    QListWidget::resizeEvent(event);
}
