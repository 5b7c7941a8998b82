#pragma once

#include "platform/window.h"

class MoxApp;
class QLabel;
class QPushButton;
class Shape;

// The program-info window: the coloured title and two notice texts.
class MOXLABEL : public MoxWindow {
    Q_OBJECT
public:
    explicit MOXLABEL(MoxApp& app);

    QLabel* Bezeichnung2;
    QLabel* Bezeichnung3;
    QLabel* Bezeichnung4;
    QLabel* Bezeichnung5;
    QLabel* Bezeichnung6;
    QLabel* Bezeichnung7;
    QPushButton* Befehl1;
    Shape* Figur1; // the panel behind the texts

    void Befehl1_Click();

    static const QString kNotice;
    static const QString kTeacherKeys;

protected:
    void closeRequested() override { Befehl1_Click(); }
    void showEvent(QShowEvent* event) override;

private:
    MoxApp& app_;
};
