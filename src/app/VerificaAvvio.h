#pragma once
// Checks that an installed program works, without a screen: for a packager,
// and for a lab administrator after an install.
#include <QString>

// zelora --verifica-avvio: for every category opens its index from the book
// on the main menu, then the category itself, creates a trial record (so the
// records folder is made and written as on first use), loads the first
// exercise and leaves through the window's own confirmation; the trial
// records are removed at the end. 0 with a summary line in out, or 1 with an
// Italian line in err naming the category and what failed.
int VerificaAvvio(QString& out, QString& err);

// zelora --schermata FILE: the main menu drawn offscreen at the screen's
// scale (800 × 600 on the offscreen platform's screen) and saved as PNG (the
// build takes the AppStream screenshot with it). Given a folder, the whole
// screen with the main menu, an exercise of each way of answering and a
// record sheet go there (scripts/schermate.sh).
int SalvaSchermata(const QString& file, QString& err);
