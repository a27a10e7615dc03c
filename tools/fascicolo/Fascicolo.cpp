#include "Fascicolo.h"

#include "checker/Verifica.h"
#include "content/Catalogo.h"
#include "content/Esercizio.h"
#include "content/Globali.h"
#include "content/Impaginazione.h"
#include "content/Indice.h"
#include "content/Percorsi.h"
#include "exercise/MotoreEsercizio.h"
#include "exercise/RispostaGiusta.h"

#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentWriter>

namespace {

// The sheet's 78-character lines fit the A4 text width at this size.
const qreal PuntiTesto = 10;

QTextCharFormat Carattere(qreal punti, bool grassetto = false, bool corsivo = false)
{
    QTextCharFormat f;
    f.setFontFamilies({QStringLiteral("Verdana")});
    f.setFontPointSize(punti);
    f.setFontWeight(grassetto ? QFont::Bold : QFont::Normal);
    f.setFontItalic(corsivo);
    return f;
}

class Scrittura {
public:
    explicit Scrittura(QTextDocument& d) : m_cursore(&d) {}

    // A paragraph; the first of a page when nuovaPagina.
    void Paragrafo(const QString& testo, const QTextCharFormat& formato, bool nuovaPagina = false,
                   qreal rientro = 0)
    {
        QTextBlockFormat blocco;
        blocco.setIndent(0);
        blocco.setTextIndent(0);
        blocco.setLeftMargin(rientro);
        if (nuovaPagina)
            blocco.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        if (m_primo)
            m_cursore.setBlockFormat(blocco), m_cursore.setBlockCharFormat(formato);
        else
            m_cursore.insertBlock(blocco, formato);
        m_primo = false;
        m_cursore.insertText(testo, formato);
    }

    // Text in the colours and weight of an answer box, its line breaks kept.
    void Formattato(const QString& testo, const QVector<FormatoCarattere>& formati)
    {
        for (int k = 0; k < testo.size(); ++k) {
            const QChar c = testo.at(k);
            if (c == QLatin1Char('\n'))
                continue;
            QTextCharFormat f = Carattere(PuntiTesto, formati.value(k).grassetto);
            f.setForeground(QColor(formati.value(k).colore));
            m_cursore.insertText(c == QLatin1Char('\r') ? QString(QChar::LineSeparator) : QString(c), f);
        }
    }

private:
    QTextCursor m_cursore;
    bool m_primo = true;
};

void ScriviIndice(Scrittura& s, const QVector<QString>& titoli, const QVector<QString>& testi)
{
    s.Paragrafo(QStringLiteral("ZELORA / ") + Globali::CategoriaCorrente.toUpper()
                    + QStringLiteral(" : indice degli esercizi"),
                Carattere(12, true), true);
    for (int n = 0; n < titoli.size(); ++n) {
        s.Paragrafo(QString(), Carattere(PuntiTesto));
        s.Paragrafo(titoli[n], Carattere(PuntiTesto, true));
        s.Paragrafo(testi[n], Carattere(PuntiTesto - 1), false, 20);
    }
}

// The sheet as printed, line for line.
void ScriviFoglio(Scrittura& s, const QString& intestazione, const QString& consegna, const DatiEsercizio& d)
{
    bool primo = true;
    for (const RigaFoglio& riga : RigheFoglioEsercizio(intestazione, consegna, d.Frase)) {
        s.Paragrafo(riga.testo, Carattere(PuntiTesto, false, riga.corsivo), primo);
        primo = false;
    }
}

// What the solutions view shows for every item: the key for the kinds that
// offer it, otherwise the box after the right answer, played through the
// engine (just loaded) as a pupil plays it. False when an item cannot be answered.
bool ScriviSoluzioni(Scrittura& s, const QString& intestazione, MotoreEsercizio& m)
{
    if (m.SoluzioniOfferte())
        m.MostraSoluzioni();
    s.Paragrafo(QStringLiteral("ZELORA"), Carattere(PuntiTesto), true);
    s.Paragrafo(intestazione, Carattere(PuntiTesto));
    s.Paragrafo(QStringLiteral("Soluzioni"), Carattere(PuntiTesto, true));
    for (int i = 0; i < NumeroRighe; ++i) {
        if (!m.SoluzioniMostrate() && !DaiRispostaGiusta(m, i))
            return false;
        QString testo = m.Casella(i).Testo();
        while (testo.endsWith(QLatin1Char('\n')) || testo.endsWith(QLatin1Char('\r')))
            testo.chop(1);
        s.Paragrafo(QString(), Carattere(PuntiTesto));
        s.Paragrafo(QString::number(i + 1) + QStringLiteral(") "), Carattere(PuntiTesto));
        s.Formattato(testo, m.Casella(i).Formati());
    }
    return true;
}

} // namespace

Fascicolo ComponiFascicolo()
{
    Fascicolo f;
    f.documento = std::make_unique<QTextDocument>();
    f.documento->setDefaultFont(QFont(QStringLiteral("Verdana"), int(PuntiTesto)));
    f.documento->setMetaInformation(QTextDocument::DocumentTitle, QStringLiteral("Zelora - esercizi"));
    Scrittura s(*f.documento);
    s.Paragrafo(QStringLiteral("ZELORA"), Carattere(28, true));
    s.Paragrafo(QStringLiteral("I testi di tutti gli esercizi, come si stampano sulle schede, con le soluzioni "
                               "di ogni esercizio e l'indice di ogni categoria."),
                Carattere(12));

    const QString categoriaPrima = Globali::CategoriaCorrente;
    const qint16 ultimoPrima = Globali::UltimoEsercizio;
    for (int c = 0; c < NumeroCategorie; ++c) {
        Globali::CategoriaCorrente = QString::fromUtf8(DatiCategoria(c).cartella);
        if (!CartellaEserciziPresente(c))
            continue;
        ++f.categorie;
        NumeroMassimoEsercizi(c);
        const int voci = Globali::UltimoEsercizio + 1;
        QVector<QString> titoli(voci), testi(voci), titoliScritti(voci), testiScritti(voci);
        LeggiFileIndice(PercorsoIndice(), titoli, testi);
        LeggiFileIndice(PercorsoIndiceScritto(), titoliScritti, testiScritti);
        ScriviIndice(s, titoli, testi);
        for (int n = 0; n < voci; ++n) {
            const QString intestazione = Globali::CategoriaCorrente.toUpper() + QStringLiteral("  -  ") + titoliScritti[n];
            DatiEsercizio d;
            const EsitoLettura letto = LeggiEsercizio(PercorsoEsercizio(n), d);
            MotoreEsercizio motore;
            if (!letto.ok || !motore.Carica(n, &d)) {
                f.problemi << QStringLiteral("%1: esercizio %2 non leggibile, lasciato fuori")
                                  .arg(Globali::CategoriaCorrente, DueCifre(n));
                continue;
            }
            ScriviFoglio(s, intestazione, testiScritti[n], d);
            if (!ScriviSoluzioni(s, intestazione, motore))
                f.problemi << QStringLiteral("%1: esercizio %2, una soluzione non si può dare")
                                  .arg(Globali::CategoriaCorrente, DueCifre(n));
            ++f.esercizi;
        }
    }
    Globali::CategoriaCorrente = categoriaPrima;
    Globali::UltimoEsercizio = ultimoPrima;
    return f;
}

bool ScriviFascicolo(QTextDocument& documento, const QString& odt, const QString& pdf)
{
    QTextDocumentWriter scrittore(odt, "odf");
    if (!scrittore.write(&documento))
        return false;
    QPdfWriter carta(pdf);
    carta.setTitle(QStringLiteral("Zelora - esercizi"));
    carta.setCreator(QStringLiteral("zelora-fascicolo"));
    carta.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(20, 15, 15, 15),
                                    QPageLayout::Millimeter));
    documento.print(&carta);
    return QFileInfo(pdf).size() > 0;
}
