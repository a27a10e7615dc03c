#include "platform/EtichettaPremibile.h"

#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QTimer>

namespace {
class EtichettaAccessibile : public QAccessibleWidget {
public:
    explicit EtichettaAccessibile(EtichettaPremibile* etichetta)
        : QAccessibleWidget(etichetta, QAccessible::Button)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        const QString testo = QAccessibleWidget::text(t);
        if (t == QAccessible::Name && testo.isEmpty())
            return static_cast<QLabel*>(widget())->text().simplified();
        return testo;
    }

    QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString& azione) override
    {
        // Later, not inside the screen reader's call: the press may open a
        // modal window, and the reader would wait for its answer until then.
        auto* etichetta = static_cast<EtichettaPremibile*>(widget());
        if (azione == pressAction() && etichetta->isEnabled())
            QTimer::singleShot(0, etichetta, &EtichettaPremibile::Premi);
    }
};

QAccessibleInterface* Fabbrica(const QString&, QObject* oggetto)
{
    if (auto* etichetta = qobject_cast<EtichettaPremibile*>(oggetto))
        return new EtichettaAccessibile(etichetta);
    return nullptr;
}
} // namespace

EtichettaPremibile::EtichettaPremibile(const QString& testo, QWidget* parent)
    : QLabel(testo, parent)
{
    static const bool installata = (QAccessible::installFactory(Fabbrica), true);
    Q_UNUSED(installata);
}

void EtichettaPremibile::mouseReleaseEvent(QMouseEvent* e)
{
    QLabel::mouseReleaseEvent(e);
    if (rect().contains(e->position().toPoint()))
        Premi();
}
