#include <algorithm>

#include <QCoreApplication>
#include <QFile>
#include <QStringList>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

const QStringList kCallStems = [] {
    QStringList stems{"quiero", "noquiero", "truco", "retruco", "vale4", "envido", "real",
                      "buenas", "olor", "flor", "cflor", "Atrevido", "Falta"};
    for (int points = 0; points <= 38; ++points)
        stems << QStringLiteral("T%1").arg(points);
    return stems;
}();

QString soundFile(bool female, const QString& stem)
{
    return QCoreApplication::applicationDirPath() + (female ? "/Sonidos/Mujer/" : "/Sonidos/")
           + stem + ".wav";
}

// The sample bytes of a RIFF/WAVE file; empty if it is missing or malformed.
QByteArray wavSamples(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        return {};
    bool haveFormat = false;
    for (qsizetype pos = 12; pos + 8 <= bytes.size();) {
        const QByteArray id = bytes.mid(pos, 4);
        const qsizetype size = qFromLittleEndian<quint32>(bytes.constData() + pos + 4);
        if (pos + 8 + size > bytes.size())
            return {};
        if (id == "fmt ")
            haveFormat = true;
        else if (id == "data")
            return haveFormat ? bytes.mid(pos + 8, size) : QByteArray();
        pos += 8 + size + (size & 1);
    }
    return {};
}

// The notice tones always; the calls when espeak-ng made them at build time.
TEST(VoiceRecordings, EveryCallIsSpokenByAManAndAWoman)
{
    for (bool female : {false, true})
        for (const char* stem : {"bleeb", "Cosmicl"})
            EXPECT_FALSE(wavSamples(soundFile(female, stem)).isEmpty()) << qPrintable(soundFile(female, stem));
    const bool anySpeech = std::any_of(kCallStems.begin(), kCallStems.end(), [](const QString& stem) {
        return QFile::exists(soundFile(false, stem)) || QFile::exists(soundFile(true, stem));
    });
    if (!anySpeech)
        GTEST_SKIP() << "No voice recordings in " << qPrintable(soundFile(false, "*"))
                     << ": espeak-ng was not installed when the game was built.";

    for (const QString& stem : kCallStems) {
        SCOPED_TRACE(stem.toStdString());
        const QByteArray male = wavSamples(soundFile(false, stem));
        const QByteArray female = wavSamples(soundFile(true, stem));
        EXPECT_FALSE(male.isEmpty());
        EXPECT_FALSE(female.isEmpty());
        EXPECT_TRUE(male != female) << "the man and the woman sound exactly alike";
    }
}

} // namespace
