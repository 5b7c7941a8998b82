#pragma once

#include "platform/window.h"

class MoxApp;

class Form6 : public MoxWindow {
    Q_OBJECT
public:
    explicit Form6(MoxApp& app);

protected:
    void closeRequested() override;

private:
    MoxApp& app_;
};
