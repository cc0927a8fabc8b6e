#include "soundfile.h"

#include "contenterror.h"
#include "contentfile.h"

#include <QtEndian>

namespace content {
namespace {

constexpr quint16 kPcm = 1;
constexpr quint16 kExtensible = 0xFFFE;  // the real format is the first two bytes of its sub-format
constexpr qint64 kChunkHeaderBytes = 8;
constexpr qint64 kPlainFormatBytes = 16;
constexpr qint64 kExtensibleFormatBytes = 40;
constexpr int kMostChunks = 1000;  // a real file has a handful; more is a broken one

[[noreturn]] void notASound(const QString& path, const QString& reason)
{
    throw ContentError(path, ContentError::Cause::NotASound, reason);
}

quint16 u16(const QByteArray& bytes, int at)
{
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}
quint32 u32(const QByteArray& bytes, int at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

void readFormat(ContentFile& file, qint64 length, WaveFormat& format)
{
    const QString& path = file.path();
    if (length < kPlainFormatBytes)
        notASound(path, QStringLiteral("音の形式（fmt チャンク）が短すぎます。"));
    const QByteArray fmt = file.read(qMin(length, kExtensibleFormatBytes));
    if (fmt.size() < kPlainFormatBytes)
        notASound(path, QStringLiteral("途中で切れています（音の形式の途中でファイルが終わります）。"));
    quint16 tag = u16(fmt, 0);
    if (tag == kExtensible && fmt.size() >= kExtensibleFormatBytes)
        tag = u16(fmt, 24);
    if (tag != kPcm)
        notASound(path,
                  QStringLiteral("PCM ではない形式です（形式番号 %1）。PCM の WAV で保存してください。").arg(tag));
    format.channels = u16(fmt, 2);
    format.sampleRate = int(u32(fmt, 4));
    format.bitsPerSample = u16(fmt, 14);
    if (format.channels == 0 || format.sampleRate <= 0)
        notASound(path, QStringLiteral("チャンネル数か標本化周波数が 0 です。"));
    if (format.bitsPerSample != 8 && format.bitsPerSample != 16 && format.bitsPerSample != 32)
        notASound(path,
                  QStringLiteral("1 標本 %1 ビットの音は鳴らせません。8・16・32 ビットの PCM で保存してください。")
                      .arg(format.bitsPerSample));
}

}  // namespace

WaveFormat checkSound(const QString& path)
{
    ContentFile file(path, kSoundByteLimit);
    if (file.size() == 0)
        notASound(path, QStringLiteral("空のファイルです。"));
    const QByteArray riff = file.read(12);
    if (riff.size() < 12 || !riff.startsWith("RIFF") || riff.mid(8, 4) != "WAVE")
        notASound(path, QStringLiteral("WAV ファイルではありません（先頭に RIFF と WAVE がありません）。"));

    WaveFormat format;
    bool formatSeen = false;
    qint64 at = riff.size();
    for (int chunks = 0; chunks < kMostChunks; ++chunks) {
        file.seek(at);
        const QByteArray header = file.read(kChunkHeaderBytes);
        if (header.size() < kChunkHeaderBytes)
            break;
        const QByteArray id = header.left(4);
        const qint64 length = u32(header, 4);
        const qint64 body = at + kChunkHeaderBytes;
        if (id == "fmt ") {
            readFormat(file, length, format);
            formatSeen = true;
        } else if (id == "data") {
            if (!formatSeen)
                notASound(path, QStringLiteral("音の形式（fmt チャンク）が音のデータより前にありません。"));
            if (length == 0)
                notASound(path, QStringLiteral("音のデータが空です。"));
            const qint64 held = file.size() - body;
            if (held < length)
                notASound(path,
                          QStringLiteral("途中で切れています（音のデータ %1のうち %2しかありません）。")
                              .arg(byteSizeText(length), byteSizeText(qMax<qint64>(held, 0))));
            format.dataBytes = length;
            return format;
        }
        at = body + length + (length & 1);  // chunks are padded to an even length
    }
    if (!formatSeen)
        notASound(path, QStringLiteral("音の形式（fmt チャンク）がありません。"));
    notASound(path, QStringLiteral("音のデータ（data チャンク）がありません。"));
}

}  // namespace content
