#pragma once
// The sequential-input field syntax shared by every data file: a field ends
// at a comma or a line end; blanks before a field are skipped; a field that
// starts with a double quote runs to the next double quote and may hold
// commas; numbers are 16-bit. Reading past the end, or a number that is not
// one, is an error. Bytes are Windows-1252, decoded one by one.
#include <QByteArray>
#include <QString>

QString DecodificaWindows1252(const QByteArray& byte);
QByteArray CodificaWindows1252(const QString& testo); // '?' for what the code page lacks

class LettoreCampi {
public:
    LettoreCampi() = default;
    explicit LettoreCampi(const QByteArray& dati) : m_dati(dati) {}

    // Reads the whole file at once (files are never held open).
    bool Apri(const QString& percorso);

    bool LeggiTesto(QString& campo);
    bool LeggiNumero(qint16& numero);
    // After LeggiNumero failed on a field that is there: whether the field is
    // a number, only out of the 16-bit range, rather than no number at all.
    bool NumeroFuoriLimiti() const { return m_fuoriLimiti; }
    bool FineFile() const { return m_pos >= m_dati.size(); }
    // Number of fields read successfully so far (for messages that name a field).
    int CampiLetti() const { return m_campi; }

private:
    QByteArray m_dati;
    int m_pos = 0;
    int m_campi = 0;
    bool m_fuoriLimiti = false;
};
