#include "print/heading_label.h"

#include <QPainter>
#include <QTextLayout>

namespace {

// Never smaller than this part of the label's own font.
constexpr double kSmallest = 0.5;

// The blanks between the letters of a spelt-out word become narrow and unbreakable.
QString spacedWordsKept(const QString& text) {
    const auto letter = [&text](qsizetype at) {
        const bool alone = (at == 0 || text.at(at - 1).isSpace()) &&
                           (at + 1 == text.size() || text.at(at + 1).isSpace());
        return at >= 0 && at < text.size() && !text.at(at).isSpace() && alone;
    };
    QString kept = text;
    for (qsizetype at = 1; at + 1 < text.size(); ++at) {
        if (text.at(at) == u' ' && letter(at - 1) && letter(at + 1))
            kept[at] = QChar(0x202F);
    }
    return kept;
}

// The lines of text at font within width; nothing when a word would have to be broken, unless
// that is allowed.
QStringList wrapped(const QString& text, const QFont& font, qreal width, bool breakWords) {
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(breakWords ? QTextOption::WrapAtWordBoundaryOrAnywhere
                                  : QTextOption::WordWrap);
    layout.setTextOption(option);
    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        if (!breakWords && line.naturalTextWidth() > width)
            return {};
        lines.append(text.mid(line.textStart(), line.textLength()).trimmed());
    }
    layout.endLayout();
    return lines;
}

} // namespace

HeadingLabel::HeadingLabel(const QString& text, QWidget* parent)
    : QLabel(text, parent) {
    setTextFormat(Qt::PlainText);
}

HeadingLabel::Layout HeadingLabel::layOut() const {
    const QString shown = spacedWordsKept(text());
    const QRect area = contentsRect();
    QFont fitted = font();
    const qreal full = fitted.pointSizeF();
    for (qreal points = full; points >= full * kSmallest; points -= 0.25) {
        fitted.setPointSizeF(points);
        const QStringList lines = wrapped(shown, fitted, area.width(), false);
        if (!lines.isEmpty() && lines.size() * QFontMetricsF(fitted).lineSpacing() <= area.height())
            return {fitted, lines};
    }
    return {fitted, wrapped(shown, fitted, area.width(), true)};
}

void HeadingLabel::paintEvent(QPaintEvent* event) {
    // Background and border as the style sheet gives them; the text is drawn here.
    QFrame::paintEvent(event);
    const Layout layout = layOut();
    QPainter painter(this);
    painter.setFont(layout.font);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(contentsRect(), Qt::AlignCenter, layout.lines.join(u'\n'));
}
