#include "exercises/abc_folgen.h"

#include "app/mox_app.h"

Form2::Form2(MoxApp& app)
    : app_(app) {
    setClientSize(6000, 4000);
    Liste1 = new QListWidget(this);
}

void Form2::closeRequested() {
    app_.backToMain(*this);
}
