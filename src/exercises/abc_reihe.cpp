#include "exercises/abc_reihe.h"

#include "app/mox_app.h"

Form5::Form5(MoxApp& app)
    : app_(app) {
    setClientSize(6000, 4000);
}

void Form5::closeRequested() {
    app_.backToMain(*this);
}
