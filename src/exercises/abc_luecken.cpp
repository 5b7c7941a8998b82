#include "exercises/abc_luecken.h"

#include "app/mox_app.h"

Form4::Form4(MoxApp& app)
    : app_(app) {
    setClientSize(6000, 4000);
}

void Form4::closeRequested() {
    app_.backToMain(*this);
}
