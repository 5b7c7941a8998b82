#pragma once

#include <QWidget>

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

    void closeEvent(QCloseEvent* event) override;
    // Escape leaves a window as its back entry does.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void activate();

    bool loaded_ = false;
    bool activationQueued_ = false;
};
