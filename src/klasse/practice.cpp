#include "klasse/practice.h"

#include "app/mox_app.h"
#include "klasse/class_room.h"
#include "klasse/class_session.h"
#include "platform/random.h"

#include <QListWidget>

#include <algorithm>

const LetterBoxes* practiceBoxes(MoxApp& app) {
    ClassRoom& room = app.classRoom();
    if (!room.exists() || !room.list().practiseWeak())
        return nullptr;
    const ClassSession& session = app.session();
    return session.child() ? &session.boxes() : nullptr;
}

int drawWord(MoxApp& app, const QListWidget& words) {
    const LetterBoxes* boxes = practiceBoxes(app);
    if (!boxes)
        return app.random().uniform(0, words.count());
    QStringList texts;
    for (int row = 0; row < words.count(); ++row)
        texts.append(words.item(row)->text());
    return boxes->drawWord(app.random(), texts, -1);
}

QString practisedText(ClassRoom& room, int childId) {
    if (!room.list().practiseWeak())
        return {};
    const LetterBoxes boxes(room.records().read(childId).tasks);
    QStringList items;
    for (auto weak = boxes.weak().cbegin(); weak != boxes.weak().cend(); ++weak) {
        const QString& item = weak.key();
        items.append(QStringLiteral("%1 seit %2")
                         .arg(item.size() == 1 ? item.toLower() : item,
                              weak->since.toString(QStringLiteral("d.M."))));
    }
    std::ranges::sort(items);
    return items.isEmpty() ? QString()
                           : QStringLiteral("Öfter: ") + items.join(QStringLiteral(", "));
}
