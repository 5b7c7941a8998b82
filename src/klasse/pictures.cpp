#include "klasse/pictures.h"

#include <algorithm>

const QList<ChildPicture>& childPictures() {
    static const QList<ChildPicture> pictures = [] {
        QList<ChildPicture> list;
        for (const char* name :
             {"Apfel", "Birne", "Banane", "Erdbeere", "Kirsche",  "Hund",    "Katze", "Maus",
              "Fisch", "Vogel", "Ente",   "Pferd",    "Kuh",      "Schwein", "Hase",  "Igel",
              "Auto",  "Bus",   "Zug",    "Schiff",   "Flugzeug", "Fahrrad", "Ball",  "Sonne",
              "Mond",  "Stern", "Baum",   "Blume",    "Haus",     "Schirm",  "Herz",  "Eis"}) {
            const QString shown = QString::fromUtf8(name);
            list.append({shown.toLower(), shown});
        }
        return list;
    }();
    return pictures;
}

const ChildPicture* findChildPicture(const QString& key) {
    const QList<ChildPicture>& pictures = childPictures();
    const auto found = std::ranges::find(pictures, key, &ChildPicture::key);
    return found == pictures.end() ? nullptr : &*found;
}
