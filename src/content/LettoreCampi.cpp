#include "content/LettoreCampi.h"

#include "content/Percorsi.h"

#include <QRegularExpression>

namespace {
// Code points of bytes 0x80..0x9F; the rest of the code page is Latin-1.
const char16_t Alti[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

bool FineRiga(char c)
{
    return c == '\r' || c == '\n';
}
} // namespace

QString DecodificaWindows1252(const QByteArray& byte)
{
    QString s;
    s.reserve(byte.size());
    for (char c : byte) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0x80 && b <= 0x9F)
            s.append(QChar(Alti[b - 0x80]));
        else
            s.append(QChar(b));
    }
    return s;
}

QByteArray CodificaWindows1252(const QString& testo)
{
    QByteArray b;
    b.reserve(testo.size());
    for (QChar ch : testo) {
        const char16_t u = ch.unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            b.append(static_cast<char>(u));
            continue;
        }
        char c = '?';
        for (int i = 0; i < 32; ++i)
            if (Alti[i] == u) {
                c = static_cast<char>(0x80 + i);
                break;
            }
        b.append(c);
    }
    return b;
}

bool LettoreCampi::Apri(const QString& percorso)
{
    m_pos = 0;
    m_campi = 0;
    return LeggiFile(percorso, m_dati);
}

bool LettoreCampi::LeggiTesto(QString& campo)
{
    const int n = m_dati.size();
    while (m_pos < n && (m_dati.at(m_pos) == ' ' || m_dati.at(m_pos) == '\t'))
        ++m_pos;
    if (m_pos >= n)
        return false;

    QByteArray valore;
    if (m_dati.at(m_pos) == '"') {
        const int chiusa = m_dati.indexOf('"', m_pos + 1);
        const int fine = chiusa < 0 ? n : chiusa;
        valore = m_dati.mid(m_pos + 1, fine - m_pos - 1);
        m_pos = chiusa < 0 ? n : chiusa + 1;
        // Whatever stands between the closing quote and the delimiter is dropped.
        while (m_pos < n && m_dati.at(m_pos) != ',' && !FineRiga(m_dati.at(m_pos)))
            ++m_pos;
    } else {
        const int inizio = m_pos;
        while (m_pos < n && m_dati.at(m_pos) != ',' && !FineRiga(m_dati.at(m_pos)))
            ++m_pos;
        valore = m_dati.mid(inizio, m_pos - inizio);
    }
    // Consume the delimiter: a comma, or one line end (CR LF, CR or LF).
    if (m_pos < n) {
        if (m_dati.at(m_pos) == ',') {
            ++m_pos;
        } else if (m_dati.at(m_pos) == '\r') {
            ++m_pos;
            if (m_pos < n && m_dati.at(m_pos) == '\n')
                ++m_pos;
        } else if (m_dati.at(m_pos) == '\n') {
            ++m_pos;
        }
    }
    campo = DecodificaWindows1252(valore);
    ++m_campi;
    return true;
}

bool LettoreCampi::LeggiNumero(qint16& numero)
{
    QString campo;
    m_fuoriLimiti = false;
    if (!LeggiTesto(campo))
        return false;
    const QString testo = campo.trimmed();
    bool ok = false;
    const int valore = testo.toInt(&ok, 10);
    if (!ok || valore < -32768 || valore > 32767) {
        // The field is there but is no 16-bit number: it does not count as read.
        static const QRegularExpression cifre(QStringLiteral("^[+-]?[0-9]+$"));
        m_fuoriLimiti = cifre.match(testo).hasMatch();
        --m_campi;
        return false;
    }
    numero = static_cast<qint16>(valore);
    return true;
}
