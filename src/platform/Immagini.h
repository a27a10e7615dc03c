#pragma once
// The program's own pictures, drawn in code so that no artwork file has to
// travel with it: menu marks, books, the printer icon, the pointing hand and
// the main menu background.
#include <QCursor>
#include <QPixmap>

class QMenuBar;
class QPainter;

QPixmap ImmagineSpunta(); // black tick, 16 x 16
QPixmap ImmagineMatita(); // pencil, 16 x 16
QPixmap ImmagineLibroChiuso(); // closed red book, 32 x 32
QPixmap ImmagineLibroAperto(); // open book, 32 x 32
QPixmap ImmagineStampante(); // printer icon for the print buttons
// The main menu's background, painted where it is needed rather than kept
// as a picture the size of the screen.
void DisegnaSfondo(QPainter& g, const QSize& dimensione);
QCursor CursoreMano(); // the pointing hand of clickable places

// Gives one entry of a submenu of the menu bar (both addressed by position)
// its mark image, shown whether or not the entry is checked.
void ImpostaImmagineVoce(QMenuBar* barra, int posizioneMenu, int posizioneVoce,
                         const QPixmap& immagine);
