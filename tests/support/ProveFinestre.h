#pragma once
// A window's parts by object name, a category as the menu sets it, printouts as text lines.
#include "Supporto.h"

#include <QLabel>
#include <QObject>
#include <QString>

// A missing part stops the test with its name.
template <class T = QWidget>
T* Figlio(const QObject& finestra, const QString& nome)
{
    T* figlio = finestra.findChild<T*>(nome);
    if (!figlio)
        qFatal("%s has no %s", qPrintable(finestra.objectName()), qPrintable(nome));
    return figlio;
}

// The caption of a label.
inline QString Scritta(const QObject& finestra, const QString& nome)
{
    return Figlio<QLabel>(finestra, nome)->text();
}

// Category indice (0-11) with "Titolo n" and "Istruzione n" (n from 1) in its index, none done.
void PreparaCategoria(int indice);

// Each print call as "page: x,y font size[B][I] text", to compare whole printouts.
QStringList Stampate(const StampanteRegistrata& registro);
// One expected print call, in Verdana, plain or bold.
QString Stampata(double x, double y, double punti, bool grassetto, const QString& testo, int pagina = 1);
