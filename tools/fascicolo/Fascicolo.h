#pragma once
// The booklet of the content pack of the current application folder: for
// each category its index, then every exercise as its sheet is printed and,
// on a page of its own, its answer key as the solutions view shows it.
#include <QString>
#include <QStringList>
#include <memory>

class QTextDocument;

struct Fascicolo {
    std::unique_ptr<QTextDocument> documento;
    int categorie = 0;
    int esercizi = 0;
    QStringList problemi; // one line per exercise left out, for the teacher
};

Fascicolo ComponiFascicolo();
// Writes the booklet as OpenDocument text and as PDF (A4); false when either fails.
bool ScriviFascicolo(QTextDocument& documento, const QString& odt, const QString& pdf);
