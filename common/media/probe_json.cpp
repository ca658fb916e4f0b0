#include "common/media/probe_json.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>

namespace media {

namespace {

const char* const Garbage = "ffprobe hat keine verwertbare Antwort gegeben.";

ReadResult refuse(const char* reason) {
    return {std::nullopt, reason};
}

bool isPicture(const QJsonObject& stream) {
    return stream.value("disposition").toObject().value("attached_pic").toInteger() != 0;
}

// "a:b" into its two numbers; "0:1" (not known) and a missing field are
// square pixels, anything else that is not two whole numbers is garbage.
bool sampleAspectRatio(const QJsonValue& value, RawVideo& raw) {
    if (value.isUndefined()) return true;
    const QStringList parts = value.toString().split(QLatin1Char(':'));
    bool numeratorOk = false, denominatorOk = false;
    if (parts.size() == 2) {
        raw.sarNumerator = parts[0].toLongLong(&numeratorOk);
        raw.sarDenominator = parts[1].toLongLong(&denominatorOk);
    }
    return numeratorOk && denominatorOk;
}

// The display matrix wins over the tag older muxers wrote.
double rotationOf(const QJsonObject& stream) {
    for (const QJsonValue& side : stream.value("side_data_list").toArray()) {
        const QJsonValue rotation = side.toObject().value("rotation");
        if (rotation.isDouble()) return rotation.toDouble();
    }
    return stream.value("tags").toObject().value("rotate").toString().toDouble();
}

} // namespace

ReadResult factsFromProbe(const QByteArray& json) {
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) return refuse(Garbage);
    const QJsonValue streams = document.object().value("streams");
    if (!streams.isArray()) return refuse(Garbage);
    for (const QJsonValue& entry : streams.toArray()) {
        const QJsonObject stream = entry.toObject();
        if (stream.value("codec_type").toString() != QLatin1String("video") || isPicture(stream))
            continue;
        const QJsonValue width = stream.value("width"), height = stream.value("height");
        if (!width.isDouble() || !height.isDouble())
            return refuse("Die Bildgröße des Videos ist unbekannt.");
        RawVideo raw;
        raw.width = width.toInteger();
        raw.height = height.toInteger();
        if (!sampleAspectRatio(stream.value("sample_aspect_ratio"), raw)) return refuse(Garbage);
        raw.rotation = rotationOf(stream);
        return factsFromVideo(raw);
    }
    return refuse("Die Datei enthält kein Video.");
}

} // namespace media
