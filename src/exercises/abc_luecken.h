#pragma once

#include "platform/window.h"

class MoxApp;

class Form4 : public MoxWindow {
    Q_OBJECT
public:
    explicit Form4(MoxApp& app);
    void startFresh() {}

protected:
    void closeRequested() override;

private:
    MoxApp& app_;
};
