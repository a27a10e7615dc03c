#include "content/Wav.h"

namespace {
constexpr int FormatoPcm = 1;
constexpr int FormatoVirgolaMobile = 3;
constexpr int FormatoEsteso = 0xFFFE; // the real format is in the first bytes of the sub-format

quint32 Intero(const QByteArray& b, qsizetype pos, int byte)
{
    quint32 n = 0;
    for (int i = byte - 1; i >= 0; --i)
        n = n << 8 | quint8(b.at(pos + i));
    return n;
}

// The sample layout of a "fmt " chunk the back-end decodes: the bytes of one
// frame (all channels), or 0 when it cannot play it.
quint32 BytePerFotogramma(const QByteArray& b, qsizetype inizio, quint32 lunghezza)
{
    quint32 formato = Intero(b, inizio, 2);
    const quint32 canali = Intero(b, inizio + 2, 2);
    const quint32 frequenza = Intero(b, inizio + 4, 4);
    const quint32 allineamento = Intero(b, inizio + 12, 2);
    const quint32 bit = Intero(b, inizio + 14, 2);
    if (formato == FormatoEsteso && lunghezza >= 26)
        formato = Intero(b, inizio + 24, 2);
    const bool pcm = formato == FormatoPcm && (bit == 8 || bit == 16 || bit == 24 || bit == 32);
    const bool virgolaMobile = formato == FormatoVirgolaMobile && bit == 32;
    if ((!pcm && !virgolaMobile) || canali == 0 || frequenza == 0 || allineamento != canali * bit / 8)
        return 0;
    return allineamento;
}
} // namespace

EsitoWav ControllaWav(const QByteArray& b)
{
    if (b.size() < 12 || !b.startsWith("RIFF") || b.mid(8, 4) != "WAVE")
        return {DifettoWav::NonRiff, {}};
    quint32 fotogramma = 0;
    bool fmt = false;
    bool data = false;
    qint64 byteDati = 0;
    qint64 pos = 12;
    while (pos + 8 <= b.size()) {
        const QByteArray id = b.mid(pos, 4);
        const quint32 lunghezza = Intero(b, pos + 4, 4);
        if (pos + 8 + qint64(lunghezza) > b.size())
            return {DifettoWav::BloccoOltreLaFine, id};
        if (id == "fmt " && lunghezza >= 16) {
            fmt = true;
            fotogramma = BytePerFotogramma(b, pos + 8, lunghezza);
        } else if (id == "data") {
            data = true;
            byteDati = lunghezza;
        }
        pos += 8 + qint64(lunghezza) + (lunghezza & 1);
    }
    if (!fmt)
        return {DifettoWav::SenzaFmt, {}};
    if (fotogramma == 0)
        return {DifettoWav::FormatoNonGestito, {}};
    if (!data)
        return {DifettoWav::SenzaData, {}};
    if (byteDati % fotogramma != 0)
        return {DifettoWav::CampioneTagliato, {}};
    return {};
}
