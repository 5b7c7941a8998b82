#include "exercises/buchstabensuche.h"

#include "app/mox_app.h"

Form6::Form6(MoxApp& app)
    : app_(app) {
    setClientSize(6000, 4000);
}

void Form6::closeRequested() {
    app_.backToMain(*this);
}
