#include "platform/wave_file.h"

#include <QtEndian>

namespace {

constexpr quint16 kPcm = 1;
constexpr quint16 kExtensible = 0xFFFE;
constexpr int kHeaderBytes = 44;

void put16(QByteArray& out, quint16 value) {
    const quint16 le = qToLittleEndian(value);
    out.append(reinterpret_cast<const char*>(&le), sizeof le);
}

void put32(QByteArray& out, quint32 value) {
    const quint32 le = qToLittleEndian(value);
    out.append(reinterpret_cast<const char*>(&le), sizeof le);
}

quint16 get16(const QByteArray& in, qsizetype at) {
    return qFromLittleEndian<quint16>(in.constData() + at);
}

quint32 get32(const QByteArray& in, qsizetype at) {
    return qFromLittleEndian<quint32>(in.constData() + at);
}

struct Format {
    quint16 channels = 0;
    quint32 sampleRate = 0;
};

std::optional<Format> readFormat(const QByteArray& in, qsizetype at, quint32 size) {
    if (size < 16)
        return std::nullopt;
    const quint16 tag = get16(in, at);
    const Format format{get16(in, at + 2), get32(in, at + 4)};
    const quint16 bits = get16(in, at + 14);
    if ((tag != kPcm && tag != kExtensible) || bits != 16 || format.channels < 1 ||
        format.channels > 8 || format.sampleRate < 4000 || format.sampleRate > 192000)
        return std::nullopt;
    return format;
}

} // namespace

QByteArray WaveFile::encode(const Sound& sound) {
    const auto dataBytes = quint32(sound.samples.size() * qsizetype(sizeof(qint16)));
    QByteArray out;
    out.reserve(kHeaderBytes + qsizetype(dataBytes));
    out.append("RIFF");
    put32(out, 36 + dataBytes);
    out.append("WAVEfmt ");
    put32(out, 16);
    put16(out, kPcm);
    put16(out, 1);
    put32(out, quint32(sound.sampleRate));
    put32(out, quint32(sound.sampleRate) * 2);
    put16(out, 2);
    put16(out, 16);
    out.append("data");
    put32(out, dataBytes);
    for (qint16 sample : sound.samples)
        put16(out, quint16(sample));
    return out;
}

std::optional<Sound> WaveFile::decode(const QByteArray& in, double maxSeconds) {
    if (in.size() < 12 || !in.startsWith("RIFF") || in.mid(8, 4) != "WAVE")
        return std::nullopt;
    std::optional<Format> format;
    qsizetype at = 12;
    while (at + 8 <= in.size()) {
        const QByteArray id = in.mid(at, 4);
        const quint32 size = get32(in, at + 4);
        const qsizetype body = at + 8;
        if (qsizetype(size) > in.size() - body)
            return std::nullopt;
        if (id == "fmt ") {
            format = readFormat(in, body, size);
            if (!format)
                return std::nullopt;
        } else if (id == "data") {
            if (!format)
                return std::nullopt;
            const qsizetype frames = qsizetype(size) / (2 * format->channels);
            if (double(frames) > maxSeconds * format->sampleRate)
                return std::nullopt;
            Sound sound{{}, int(format->sampleRate)};
            sound.samples.reserve(frames);
            for (qsizetype frame = 0; frame < frames; ++frame) {
                int sum = 0;
                for (int channel = 0; channel < format->channels; ++channel)
                    sum += qint16(get16(in, body + (frame * format->channels + channel) * 2));
                sound.samples.append(qint16(sum / format->channels));
            }
            return sound;
        }
        // Chunks are padded to an even length.
        at = body + qsizetype(size) + (size & 1);
    }
    return std::nullopt;
}
