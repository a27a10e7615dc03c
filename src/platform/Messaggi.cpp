#include "platform/Messaggi.h"

#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace {
GestoreMessaggi& gestoreCorrente()
{
    static GestoreMessaggi gestore;
    return gestore;
}

GestoreScelte& gestoreScelte()
{
    static GestoreScelte gestore;
    return gestore;
}

// Message texts use CR LF between sentences; a Qt label wants LF only.
QString TestoVisibile(const QString& testo)
{
    QString t = testo;
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return t;
}
} // namespace

void ImpostaGestoreMessaggi(GestoreMessaggi gestore)
{
    gestoreCorrente() = std::move(gestore);
}

Risposta MostraMessaggio(QWidget* genitore, Icona icona, Pulsanti pulsanti,
                         const QString& titolo, const QString& testo)
{
    if (gestoreCorrente())
        return gestoreCorrente()(Messaggio{icona, pulsanti, titolo, testo});

    QMessageBox box(genitore);
    box.setWindowTitle(titolo);
    box.setText(TestoVisibile(testo));
    switch (icona) {
    case Icona::Informazione: box.setIcon(QMessageBox::Information); break;
    case Icona::Critico: box.setIcon(QMessageBox::Critical); break;
    case Icona::Domanda: box.setIcon(QMessageBox::Question); break;
    }
    QPushButton* ok = nullptr;
    QPushButton* si = nullptr;
    QPushButton* no = nullptr;
    QPushButton* annulla = nullptr;
    switch (pulsanti) {
    case Pulsanti::OK:
        ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        box.setEscapeButton(ok);
        break;
    case Pulsanti::SiNo:
        si = box.addButton(QStringLiteral("Sì"), QMessageBox::YesRole);
        no = box.addButton(QStringLiteral("No"), QMessageBox::NoRole);
        box.setEscapeButton(no);
        break;
    case Pulsanti::SiNoAnnulla:
        si = box.addButton(QStringLiteral("Sì"), QMessageBox::YesRole);
        no = box.addButton(QStringLiteral("No"), QMessageBox::NoRole);
        annulla = box.addButton(QStringLiteral("Annulla"), QMessageBox::RejectRole);
        box.setEscapeButton(annulla);
        break;
    }
    box.exec();
    QAbstractButton* scelto = box.clickedButton();
    if (scelto && scelto == si) return Risposta::Si;
    if (scelto && scelto == no) return Risposta::No;
    if (scelto && scelto == annulla) return Risposta::Annulla;
    if (pulsanti == Pulsanti::OK) return Risposta::Ok;
    return pulsanti == Pulsanti::SiNo ? Risposta::No : Risposta::Annulla;
}

void ImpostaGestoreScelte(GestoreScelte gestore)
{
    gestoreScelte() = std::move(gestore);
}

int ScegliDaElenco(QWidget* genitore, const QString& titolo, const QString& testo, const QStringList& voci)
{
    if (gestoreScelte())
        return gestoreScelte()(Scelta{titolo, testo, voci});

    QInputDialog dialogo(genitore);
    dialogo.setWindowTitle(titolo);
    dialogo.setLabelText(TestoVisibile(testo));
    dialogo.setComboBoxItems(voci);
    dialogo.setComboBoxEditable(false);
    dialogo.setOption(QInputDialog::UseListViewForComboBoxItems);
    dialogo.setOkButtonText(QStringLiteral("OK"));
    dialogo.setCancelButtonText(QStringLiteral("Annulla"));
    if (dialogo.exec() != QDialog::Accepted)
        return -1;
    return int(voci.indexOf(dialogo.textValue()));
}
