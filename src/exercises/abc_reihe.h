#pragma once

#include "platform/window.h"

class MoxApp;

class Form5 : public MoxWindow {
    Q_OBJECT
public:
    explicit Form5(MoxApp& app);

protected:
    void closeRequested() override;

private:
    MoxApp& app_;
};
