#pragma once

#include <QWidget>

class PictureButton;
class Speech;

// The life cycle every window of the program shares: created on first use, loaded once,
// placed on load, shown modeless from another window, and activated after the handler that
// showed it has finished (a queued call, so that the opener's own follow-up steps run first).
class MoxWindow : public QWidget {
    Q_OBJECT
public:
    enum class Placement { Centred, UpperQuarter };

    explicit MoxWindow(QWidget* parent = nullptr);

    // Runs Form_Load the first time; later calls do nothing.
    void load();
    // Shows the window and queues its activation.
    void showFromOpener();

    // Program end: from now on closing is no longer turned into the window's back entry.
    static void setProgramEnding(bool ending);

    // Says the current task once more: what the "Nochmal hören" picture and F5 do.
    void hearAgain();
    // The "Nochmal hören" picture; null in a window without a task to hear.
    PictureButton* hearAgainButton() const { return hearAgain_; }
    // The window's current task as the child hears it again; empty when there is none.
    virtual QString spokenTask() const { return {}; }
    // What the child is to do here, said each time the window opens, before its task.
    const QString& spokenInstruction() const { return instruction_; }

protected:
    virtual void Form_Load() {}
    virtual void Form_Activate() {}
    // The title bar's close button. By default it does what the window's back entry does.
    virtual void closeRequested() = 0;

    void setBackgroundColor(const QColor& colour);
    // Fixed client size at design size (twips).
    void setClientSize(int widthTwips, int heightTwips);
    // Left = (screen width - window width) / 2; Top = half or a quarter of the free height.
    void placeOnScreen(Placement placement);
    // The "Nochmal hören" picture and the key F5, which say spokenTask() once more. The picture
    // stands at the top of a narrow band along the right edge, the same place in every window,
    // beside the window's own controls rather than over any of them; band and picture are there
    // only while the program reads aloud. Called after setClientSize(). The instruction is said
    // each time the window opens, before the task; without one, the task says what to do.
    void offerHearAgain(Speech& speech, const QString& instruction);

    void closeEvent(QCloseEvent* event) override;
    // Escape leaves a window as its back entry does.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void activate();

    void showHearAgain(bool on);
    void fitClientSize();

    Speech* speech_ = nullptr;
    PictureButton* hearAgain_ = nullptr;
    QWidget* hearAgainBand_ = nullptr;
    QString instruction_;
    int clientWidth_ = 0;
    int clientHeight_ = 0;
    bool loaded_ = false;
    bool activationQueued_ = false;
};
