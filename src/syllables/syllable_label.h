#pragma once

#include <QObject>

class QLabel;
class ReadingHelp;

// Paints a label's text in coloured syllables in place of the label while the reading help
// has them on; otherwise the label paints itself. The label's text, focus and clicks stay the
// label's own. Lives as long as the label.
class SyllableLabel : public QObject {
    Q_OBJECT
public:
    SyllableLabel(ReadingHelp& help, QLabel* label);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ReadingHelp& help_;
    QLabel* label_;
};
