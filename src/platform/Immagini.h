#pragma once
// The program's own pictures, drawn in code so that no artwork file has to
// travel with it: menu marks, books, the printer icon, the pointing hand and
// the main menu background.
#include <QCursor>
#include <QPixmap>

class QMenuBar;

QPixmap ImmagineSpunta(); // black tick, 16 x 16
QPixmap ImmagineMatita(); // pencil, 16 x 16
QPixmap ImmagineLibroChiuso(); // closed red book, 32 x 32
QPixmap ImmagineLibroAperto(); // open book, 32 x 32
QPixmap ImmagineStampante(); // printer icon for the print buttons
QPixmap ImmagineSfondo(const QSize& dimensione); // main menu background
QCursor CursoreMano(); // the pointing hand of clickable places

// Gives one entry of a submenu of the menu bar (both addressed by position)
// its mark image, shown whether or not the entry is checked.
void ImpostaImmagineVoce(QMenuBar* barra, int posizioneMenu, int posizioneVoce,
                         const QPixmap& immagine);
