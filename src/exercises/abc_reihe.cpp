#include "exercises/abc_reihe.h"

#include "app/mox_app.h"
#include "klasse/exercise_names.h"
#include "platform/click_guard.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/finger_drag.h"
#include "platform/palette.h"
#include "platform/random.h"
#include "platform/speech.h"
#include "platform/twips.h"
#include "syllables/reading_help.h"

#include <QDrag>
#include <QDragEnterEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace {

const QString kTitle = QStringLiteral("ABC-Reihe");
constexpr int kTileSize = 615;
constexpr double kLetterPoints = 24;
constexpr double kSmallestLetterPoints = 6;

struct TilePlace {
    char letter; // shown until the first deal
    int left;
    int top;
};

constexpr std::array<TilePlace, Form5::TileCount> kTilePlaces = {{
    {'A', 1920, 3600}, {'B', 4920, 960},  {'D', 5040, 3000}, {'C', 840, 2160},  {'E', 480, 4800},
    {'F', 6360, 4920}, {'G', 1800, 960},  {'H', 2160, 5280}, {'I', 6480, 1680}, {'J', 4320, 4440},
    {'K', 2280, 2040}, {'L', 6120, 3720}, {'M', 600, 3240},  {'N', 5040, 5160}, {'O', 2880, 4080},
    {'P', 4440, 2040}, {'Q', 480, 1200},  {'R', 6120, 2520}, {'S', 3840, 1080}, {'T', 1680, 2760},
    {'U', 1440, 4440}, {'V', 5400, 1680}, {'W', 3480, 4920}, {'X', 3120, 1560}, {'Y', 3840, 3840},
    {'Z', 5280, 3960},
}};

QFont letterFont() {
    return Twips::font(QStringLiteral("Comic Sans MS"), kLetterPoints, true);
}

struct HoleLayout {
    QFont font;
    QStringList rows;
};

QStringList splitIntoRows(const QString& letters, int rowCount) {
    const auto count = static_cast<int>(letters.size());
    const int perRow = (count + rowCount - 1) / rowCount;
    QStringList rows;
    for (int start = 0; start < count; start += perRow)
        rows.append(letters.mid(start, perRow));
    return rows;
}

// The largest font, and the fewest rows for it, that show every letter inside area; the
// smallest font if even that does not fit.
HoleLayout fitLetters(const QString& letters, QFont font, QSize area) {
    const auto count = static_cast<int>(letters.size());
    HoleLayout layout{font, {letters}};
    for (double points = font.pointSizeF(); points >= kSmallestLetterPoints; points -= 0.5) {
        font.setPointSizeF(points);
        const QFontMetrics metrics(font);
        for (int rowCount = 1; rowCount <= count; ++rowCount) {
            if (rowCount * metrics.height() > area.height())
                break;
            const QStringList rows = splitIntoRows(letters, rowCount);
            const bool fitsAcross = std::ranges::all_of(rows, [&](const QString& row) {
                return metrics.horizontalAdvance(row) <= area.width();
            });
            if (fitsAcross)
                return {font, rows};
        }
        layout = {font, splitIntoRows(letters, std::max(1, area.height() / metrics.height()))};
    }
    return layout;
}

} // namespace

const QString LetterTile::MimeType = QStringLiteral("application/x-moxabc-letter");

LetterTile::LetterTile(const QString& letter, QWidget* parent)
    : QLabel(parent) {
    setFont(letterFont());
    setAlignment(Qt::AlignCenter);
    setCursor(Qt::OpenHandCursor);
    setAccessibleDescription(QStringLiteral("Buchstabe, Leertaste legt ihn ins Loch"));
    setLetter(letter);
    auto* finger = new FingerDrag(this, [this] { return !text().isEmpty(); });
    connect(finger, &FingerDrag::pickedUp, this, &LetterTile::pickedUp);
    connect(finger, &FingerDrag::dropped, this, &LetterTile::droppedByFinger);
    // A press only picks the tile up; only the drop on the hole counts. So a child who clicks a
    // tile and at once presses it again to drag it, drags it.
    ClickGuard::allowDoubleClick(this);
}

void LetterTile::setLetter(const QString& letter) {
    setText(letter);
    setFocusPolicy(letter.isEmpty() ? Qt::NoFocus : Qt::StrongFocus);
}

void LetterTile::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat()) {
        emit chosen();
        return;
    }
    QLabel::keyPressEvent(event);
}

void LetterTile::focusInEvent(QFocusEvent* event) {
    QLabel::focusInEvent(event);
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason)
        emit pickedUp();
}

void LetterTile::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF tile = QRectF(rect()).adjusted(1, 1, -1, -1);
    const qreal radius = Twips::toPixels(75);
    if (text().isEmpty()) {
        painter.setPen(QPen(QColor(0, 128, 128, 110), 1.5, Qt::DashLine));
        painter.drawRoundedRect(tile, radius, radius);
        return;
    }
    painter.setPen(QPen(QColor(0, 128, 128), 1));
    painter.setBrush(Colors::LightCyan);
    painter.drawRoundedRect(tile, radius, radius);
    painter.setPen(Colors::DarkBlue);
    painter.setFont(font());
    painter.drawText(rect(), Qt::AlignCenter, text());
}

void LetterTile::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || text().isEmpty()) {
        QLabel::mousePressEvent(event);
        return;
    }
    auto* letter = new QMimeData;
    letter->setData(MimeType, text().toUtf8());
    emit pickedUp();
    auto* drag = new QDrag(this);
    drag->setMimeData(letter);
    drag->setPixmap(grab());
    drag->setHotSpot(event->position().toPoint());
    drag->exec(Qt::MoveAction);
}

LetterHole::LetterHole(QWidget* parent)
    : QLabel(parent) {
    setAcceptDrops(true);
    setFont(letterFont());
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, QColor(255, 255, 0));
    setPalette(colours);
}

void LetterHole::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasFormat(LetterTile::MimeType))
        event->acceptProposedAction();
}

void LetterHole::dragMoveEvent(QDragMoveEvent* event) {
    if (event->mimeData()->hasFormat(LetterTile::MimeType))
        event->acceptProposedAction();
}

void LetterHole::dropEvent(QDropEvent* event) {
    if (!event->mimeData()->hasFormat(LetterTile::MimeType))
        return;
    event->acceptProposedAction();
    emit dropped(qobject_cast<QWidget*>(event->source()));
}

void LetterHole::paintEvent(QPaintEvent*) {
    if (text().isEmpty())
        return;
    const HoleLayout layout = fitLetters(text(), font(), size());
    QPainter painter(this);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(layout.font);
    painter.setPen(palette().color(QPalette::WindowText));
    const int lineHeight = QFontMetrics(layout.font).height();
    int top = (height() - lineHeight * static_cast<int>(layout.rows.size())) / 2;
    for (const QString& row : layout.rows) {
        painter.drawText(QRect(0, top, width(), lineHeight), Qt::AlignCenter, row);
        top += lineHeight;
    }
}

Form5::Form5(MoxApp& app)
    : app_(app)
    , task_(app, ExerciseName::abcReihe()) {
    setWindowTitle(QStringLiteral("A B C - Reihe"));
    setBackgroundColor(QColor(255, 250, 235));
    setClientSize(7320, 5985);

    place(new Shape(Shape::Kind::RoundedRectangle, Colors::LightGrey, {}, this), 120, 120, 7095,
          735);
    place(new Shape(Shape::Kind::Oval, QColor(45, 35, 60), QColor(120, 90, 60), this), 3000, 2400,
          1335, 1335);

    Bezeichnung27 = new QLabel(QStringLiteral("Ziehe die Buchstaben nach dem ABC ins Loch"), this);
    Bezeichnung27->setFont(Twips::font(QStringLiteral("MS Sans Serif"), 9.75, true));
    Bezeichnung27->setAlignment(Qt::AlignCenter);
    Bezeichnung27->setStyleSheet(QStringLiteral("color: rgb(0,0,128); background: rgb(128,255,255);"
                                                "border-radius: 4px;"));
    place(Bezeichnung27, 1080, 360, 5175, 255);

    abcfeld = new LetterHole(this);
    abcfeld->setAccessibleDescription(QStringLiteral("Loch"));
    place(abcfeld, 3120, 2640, 1095, 855);
    // Queued, so that the praise's message box opens after the drag has ended.
    connect(abcfeld, &LetterHole::dropped, this, &Form5::abcfeld_DragDrop, Qt::QueuedConnection);

    Bild2 = new PictureButton(QStringLiteral(":/icons/zurueck.svg"), QStringLiteral("Zurück"),
                              Colors::LightCyan, this);
    place(Bild2, 360, 240, 495, 495);
    connect(Bild2, &PictureButton::clicked, this, &Form5::Bild2_Click);

    Bild1 = new PictureButton(QStringLiteral(":/icons/neu.svg"), QStringLiteral("Neu"),
                              Colors::LightCyan, this);
    place(Bild1, 6480, 240, 495, 495);
    connect(Bild1, &PictureButton::clicked, this, &Form5::Bild1_Click);

    createTiles();
    offerHearAgain(app_.speech(), {});
}

QString Form5::spokenTask() const {
    return Bezeichnung27->text();
}

void Form5::createTiles() {
    for (int i = 0; i < TileCount; ++i) {
        const TilePlace& spot = kTilePlaces[static_cast<size_t>(i)];
        auto* tile = new LetterTile(QString(QLatin1Char(spot.letter)), this);
        tile->setObjectName(QStringLiteral("Bezeichnung%1").arg(i + 1));
        place(tile, spot.left, spot.top, kTileSize, kTileSize);
        connect(tile, &LetterTile::chosen, this, [this, tile] { abcfeld_DragDrop(tile); });
        connect(tile, &LetterTile::pickedUp, this, [this, tile] {
            app_.speech().say(Spoken::letter(tile->text(), app_.readingHelp().letters()));
        });
        connect(tile, &LetterTile::droppedByFinger, this,
                [this, tile](QPointF where) { tileDroppedByFinger(tile, where); });
        tiles_[static_cast<size_t>(i)] = tile;
    }
    const QList<LetterTile*> order = tilesInReadingOrder();
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order.at(i - 1), order.at(i));
    setTabOrder(order.last(), Bild1);
    setTabOrder(Bild1, Bild2);
}

QList<LetterTile*> Form5::tilesInReadingOrder() const {
    QList<LetterTile*> order(tiles_.begin(), tiles_.end());
    std::ranges::sort(order, [](const LetterTile* a, const LetterTile* b) {
        return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
    });
    return order;
}

void Form5::focusTile(int offset) {
    QList<LetterTile*> order = tilesInReadingOrder();
    order.removeIf([](const LetterTile* tile) { return tile->text().isEmpty(); });
    if (order.isEmpty())
        return;
    const auto current = order.indexOf(qobject_cast<LetterTile*>(focusWidget()));
    const auto count = order.size();
    const auto next = current < 0 ? 0 : (current + offset + count) % count;
    order.at(next)->setFocus(Qt::TabFocusReason);
}

void Form5::showEvent(QShowEvent* event) {
    MoxWindow::showEvent(event);
    // Never on "Zurück" or "Neu": a stray Space there would throw the child's row away.
    if (!qobject_cast<LetterTile*>(focusWidget()))
        focusTile(0);
}

void Form5::keyPressEvent(QKeyEvent* event) {
    if (const std::optional<QChar> letter = typedLetter(*event)) {
        for (LetterTile* tile : tiles_) {
            if (tile->text() == *letter) {
                abcfeld_DragDrop(tile);
                return;
            }
        }
        return;
    }
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
        focusTile(-1);
        return;
    case Qt::Key_Right:
    case Qt::Key_Down:
        focusTile(1);
        return;
    default:
        MoxWindow::keyPressEvent(event);
    }
}

void Form5::Form_Load() {
    placeOnScreen(Placement::UpperQuarter);
}

void Form5::Bild1_Click() {
    task_.leave();
    dealLetters();
}

void Form5::Bild2_Click() {
    Bild1_Click();
    app_.backToMain(*this);
}

void Form5::dealLetters() {
    abcfeld->clear();
    QString& letterRow = app_.shared().letterRow;
    letterRow = kCapitals;
    std::array<bool, TileCount> dealt{};
    RandomSource& random = app_.random();
    random.randomize();
    for (LetterTile* tile : tiles_) {
        int r = random.uniform(0, TileCount);
        while (dealt[static_cast<size_t>(r)])
            r = random.uniform(0, TileCount);
        dealt[static_cast<size_t>(r)] = true;
        tile->setLetter(letterRow.at(r));
    }
}

void Form5::tileDroppedByFinger(LetterTile* tile, QPointF globalPosition) {
    if (!abcfeld->rect().contains(abcfeld->mapFromGlobal(globalPosition).toPoint()))
        return;
    // Queued like the mouse's drop, so that the praise opens after the touch has ended.
    QMetaObject::invokeMethod(
        this, [this, tile] { abcfeld_DragDrop(tile); }, Qt::QueuedConnection);
}

void Form5::abcfeld_DragDrop(QWidget* source) {
    auto* tile = qobject_cast<LetterTile*>(source);
    if (!tile)
        return;
    // The row is the task from the first letter the child moves: the tiles as they lie then.
    if (!task_.inPlay()) {
        QString dealt;
        for (const LetterTile* lying : tilesInReadingOrder())
            dealt += lying->text();
        task_.deal(dealt);
    }
    app_.speech().say(Spoken::letter(tile->text(), app_.readingHelp().letters()));
    const QString collected = abcfeld->text();
    if (collected.size() < kCapitals.size() && tile->text() == kCapitals.at(collected.size())) {
        abcfeld->setText(collected + tile->text());
        if (tile->hasFocus())
            focusTile(1);
        tile->setLetter({});
    } else if (collected.size() < kCapitals.size() && !tile->text().isEmpty()) {
        task_.attempt(tile->text(), false, 0, QString(kCapitals.at(collected.size())));
    }
    if (abcfeld->text() != kCapitals)
        return;
    app_.dialogs().msgBox(
        QStringLiteral("Prima, du hast es richtig gemacht!\rZur Belohnung gibt es zwei Punkte!"),
        MsgBox::OkOnly, kTitle);
    abcfeld->clear();
    app_.addPoints(2);
    task_.finish(kCapitals, true, 2);
    Bild1_Click();
}
