#include "app/moxlabel.h"

#include "app/mox_app.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/palette.h"
#include "platform/twips.h"

#include <QLabel>
#include <QPushButton>

const QString MOXLABEL::kNotice =
    QStringLiteral("Ein Lernprogramm zum ABC: ordnen, Lücken finden, nachschlagen und Punkte "
                   "sammeln. Für Lehrkräfte:");
const QString MOXLABEL::kTeacherKeys =
    QStringLiteral("Drucken: Strg+Umschalt+D\r\nPunkte: Strg+Umschalt+P\r\n"
                   "Wörter: Strg+Umschalt+W");

namespace {
// The largest size up to the designed one at which the text fits the label's width.
void shrinkToFit(QLabel* label) {
    QFont font = label->font();
    const int room = label->contentsRect().width() - 2 * label->margin();
    while (font.pointSizeF() > 1 && QFontMetrics(font).horizontalAdvance(label->text()) > room)
        font.setPointSizeF(font.pointSizeF() * 0.95);
    label->setFont(font);
}
} // namespace

MOXLABEL::MOXLABEL(MoxApp& app)
    : app_(app) {
    setWindowTitle(QStringLiteral("Programm-Info"));
    setBackgroundColor(Colors::LightCyan);
    setClientSize(3555, 3390);

    Figur1 = new Shape(Shape::Kind::RoundedRectangle, QColor(248, 248, 248), QColor(128, 128, 128),
                       this);
    place(Figur1, 120, 120, 3255, 2535);

    const QFont titleFont = Twips::font(QStringLiteral("MS Sans Serif"), 18, true);
    auto titleLetter = [&](const QString& text, const QColor& colour, int left, int width) {
        auto* label = new QLabel(text, this);
        label->setFont(titleFont);
        label->setAlignment(Qt::AlignCenter);
        label->setStyleSheet(QStringLiteral("color: %1; background: white;").arg(colour.name()));
        place(label, left, 240, width, 615);
        return label;
    };
    Bezeichnung2 = titleLetter(QStringLiteral("M"), QColor(255, 0, 0), 240, 375);
    Bezeichnung3 = titleLetter(QStringLiteral("O"), QColor(0, 0, 255), 600, 375);
    Bezeichnung4 = titleLetter(QStringLiteral("X"), QColor(0, 192, 0), 960, 375);
    Bezeichnung5 = titleLetter(QStringLiteral("  -  A  B  C"), Qt::black, 1320, 1935);
    Bezeichnung5->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    shrinkToFit(Bezeichnung5);

    const QFont noticeFont = Twips::font(QStringLiteral("MS Sans Serif"), 9.75);
    auto notice = [&](const QString& text, const QColor& background, int top, int height) {
        auto* label = new QLabel(text, this);
        label->setFont(noticeFont);
        label->setWordWrap(true);
        label->setMargin(Twips::toPixels(30));
        label->setStyleSheet(QStringLiteral("background: %1;").arg(background.name()));
        place(label, 240, top, 3015, height);
        return label;
    };
    Bezeichnung6 = notice(kNotice, Qt::white, 840, 915);
    Bezeichnung7 = notice(QtDialogs::displayText(kTeacherKeys), Colors::LightYellow, 1800, 795);

    Befehl1 = new QPushButton(QStringLiteral("Abbruch"), this);
    Befehl1->setFont(Twips::font(QStringLiteral("MS Sans Serif"), 9.75, true));
    place(Befehl1, 120, 2760, 3255, 495);
    connect(Befehl1, &QPushButton::clicked, this, &MOXLABEL::Befehl1_Click);
}

void MOXLABEL::showEvent(QShowEvent* event) {
    // Centred across and a quarter of the free height down, every time it appears.
    placeOnScreen(Placement::UpperQuarter);
    MoxWindow::showEvent(event);
}

void MOXLABEL::Befehl1_Click() {
    app_.backToMain(*this);
}
