#pragma once

#include "platform/window.h"

#include <QListWidget>
class MoxApp;

class Form2 : public MoxWindow {
    Q_OBJECT
public:
    explicit Form2(MoxApp& app);
    QListWidget* Liste1;

protected:
    void closeRequested() override;

private:
    MoxApp& app_;
};
