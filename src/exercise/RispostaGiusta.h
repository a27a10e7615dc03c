#pragma once
// Answers given through the engine as a pupil gives them: the right answer
// of an item, or a wrong one. The content checker proves with them that
// every item can be solved; tests play whole exercises with them.
class MotoreEsercizio;

// The gestures of a pupil on an item box: press at a position (which puts
// the insertion point there), a drag to the end of the stretch, release; a
// double-click is press, release, double-click, release.
void GestoTratto(MotoreEsercizio& m, int i, int inizio, int lunghezza);
void GestoDoppioClic(MotoreEsercizio& m, int i, int posizione);

// Gives the right answer of item i; false when the item offers no way to
// give it (the choice is not in the list, the word cannot be clicked...).
bool DaiRispostaGiusta(MotoreEsercizio& m, int i);
// Gives one wrong answer on item i; false when every answer offered is right.
bool DaiRispostaSbagliata(MotoreEsercizio& m, int i);
