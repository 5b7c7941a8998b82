#include "klasse/class_room.h"

#include "platform/program_settings.h"

ClassRoom::ClassRoom(const QDir& classFolder, const ProgramSettings& settings,
                     const QString& computer)
    : folder_(classFolder)
    , adminHash_(settings.passwordHash())
    , adminSpeech_(settings.classSpeech())
    , gate_([] { return QDateTime::currentDateTimeUtc(); })
    , records_(settings.recordsFolder().isEmpty()
                   ? classFolder.absoluteFilePath(QStringLiteral("Lernstand"))
                   : settings.recordsFolder(),
               computer) {
    load();
}

QString ClassRoom::listPath() const {
    return folder_.absoluteFilePath(ClassList::fileName());
}

ClassListRead ClassRoom::load() {
    ClassListRead read = readClassList(listPath());
    list_ = read.list;
    return read;
}

WriteResult ClassRoom::save() const {
    return writeClassList(listPath(), list_);
}

QString ClassRoom::passwordHash() const {
    return adminHash_.isEmpty() ? list_.passwordHash() : adminHash_;
}
