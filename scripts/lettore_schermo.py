"""What a screen reader finds in Zelora, read and pressed through AT-SPI.

Run by prova-lettore-schermo.sh inside a private session bus; the argument is
the built application folder (copied, so that nothing is written beside it).
"""
import os
import shutil
import subprocess
import sys
import tempfile
import time

import pyatspi
from gi.repository import GLib

esiti = []
annunci = []  # (role, name, new description or name) as the reader is told


def verifica(descrizione, riuscita):
    esiti.append(bool(riuscita))
    print(("ok  " if riuscita else "NO  ") + descrizione, flush=True)


def aspetta(condizione, secondi=10):
    fine = time.time() + secondi
    while time.time() < fine:
        while GLib.MainContext.default().iteration(False):
            pass
        esito = condizione()
        if esito:
            return esito
        time.sleep(0.05)
    return condizione()


def cerca(radice, ruolo, nome):
    return pyatspi.findDescendant(radice, lambda x: x.getRoleName() == ruolo and x.name == nome)


def premi(oggetto):
    azioni = oggetto.queryAction()
    azioni.doAction([azioni.getName(i) for i in range(azioni.nActions)].index("Press"))


def doppio_clic_a_destra(casella, lettera):
    # The right quarter of the letter: where a nearest-gap rule takes the next character.
    x, y, w, h = casella.queryText().getCharacterExtents(lettera, pyatspi.DESKTOP_COORDS)
    subprocess.run(["xdotool", "mousemove", "--sync", str(x + w * 3 // 4), str(y + h // 2),
                    "click", "--repeat", "2", "--delay", "60", "1"], check=True)


def clic(oggetto):
    x, y, w, h = oggetto.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    subprocess.run(["xdotool", "mousemove", "--sync", str(x + w // 2), str(y + h // 2), "click", "1"], check=True)


def annotato(evento):
    cambiato = evento.source.description if evento.type.endswith("description") else evento.source.name
    annunci.append((evento.source.getRoleName(), evento.source.name, cambiato))


def prova(programma):
    cartella = tempfile.mkdtemp()
    shutil.copytree(programma, cartella + "/app")
    schermo = ":%d" % (50 + os.getpid() % 40)
    xvfb = subprocess.Popen(["Xvfb", schermo, "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
                            stderr=subprocess.DEVNULL)
    ambiente = dict(os.environ, DISPLAY=schermo, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    time.sleep(1)
    zelora = subprocess.Popen([cartella + "/app/zelora"], env=ambiente)
    try:
        os.environ["DISPLAY"] = schermo
        app = aspetta(lambda: next((a for a in pyatspi.Registry.getDesktop(0) if a and a.name == "zelora"), None), 20)
        verifica("il programma è sul bus dell'accessibilità", app)
        menu = aspetta(lambda: cerca(app, "push button", "Articoli"))
        categorie = ["Articoli", "Nomi", "Aggettivi", "Pronomi", "Verbi (I parte)", "Verbi (II parte)", "Avverbi",
                     "Preposizioni", "Congiunzioni", "Sintassi", "Fondamenti", "Punteggiatura"]
        verifica("menu: le 12 categorie, Esci e Info sono pulsanti con l'azione Press",
                 all(cerca(app, "push button", n) for n in categorie + ["Esci", "Info"]))
        verifica("menu: i libri hanno un nome", cerca(app, "push button", "Indice degli esercizi di Sintassi"))
        premi(menu)
        finestra = aspetta(lambda: cerca(app, "frame", "Zelora: Articoli"))
        verifica("Press su 'Articoli' apre i suoi esercizi", finestra)
        premi(aspetta(lambda: cerca(app, "push button", "OK")))
        for tipo in ("object:property-change:accessible-description", "object:property-change:accessible-name"):
            pyatspi.Registry.registerEventListener(annotato, tipo)

        premi(aspetta(lambda: cerca(finestra, "menu item", "4")))
        caselle = [aspetta(lambda: cerca(finestra, "text", "Frase %d" % n)) for n in range(1, 15)]
        verifica("le 14 caselle si chiamano 'Frase N' e sono 'da fare'",
                 all(c and c.description == "da fare" for c in caselle))
        verifica("l'elenco si chiama 'Scelte'", cerca(finestra, "list", "Scelte"))
        premi(cerca(finestra, "push button", "Frase 2"))
        verifica("Press sul numero 2 seleziona la frase, e il lettore lo sa",
                 aspetta(lambda: caselle[1].description == "selezionata"))
        # Articoli, exercise 4: items 4 and 12 answer "i", 7 and 8 the "l" of "l'".
        for n, parola in ((4, " i "), (7, "l'"), (8, "l'"), (12, " i ")):
            testo = caselle[n - 1].queryText().getText(0, -1)
            doppio_clic_a_destra(caselle[n - 1], testo.index(parola) + (1 if parola[0] == " " else 0))
            verifica("doppio clic a destra di '%s' nella frase %d: risolta" % (parola.strip(), n),
                     aspetta(lambda: caselle[n - 1].description == "risolta", 5))
        errori = cerca(finestra, "menu item", "   ERRORI : 0")
        testo = caselle[0].queryText().getText(0, -1)
        doppio_clic_a_destra(caselle[0], testo.index("treno"))
        verifica("una parola sbagliata: la voce degli errori dice 'ERRORI : 1'",
                 aspetta(lambda: errori.name == "   ERRORI : 1"))

        premi(cerca(finestra, "menu item", "1"))
        aspetta(lambda: caselle[0].description == "da fare")
        premi(cerca(finestra, "push button", "Frase 1"))
        aspetta(lambda: caselle[0].description == "selezionata")
        clic(aspetta(lambda: cerca(cerca(finestra, "list", "Scelte"), "list item", "la")))
        verifica("una scelta sbagliata: 'risposta sbagliata'",
                 aspetta(lambda: caselle[0].description == "risposta sbagliata"))
        nomi = {(nome, valore) for ruolo, nome, valore in annunci}
        verifica("il lettore è avvisato dei cambiamenti (stato delle frasi, errori)",
                 ("Frase 4", "risolta") in nomi and ("Frase 1", "risposta sbagliata") in nomi
                 and any(v == "   ERRORI : 1" for _, v in nomi))
        verifica("nessun avviso per la frase 14, il cui stato non è mai cambiato",
                 not any(nome == "Frase 14" for _, nome, _ in annunci))
    finally:
        zelora.kill()
        xvfb.kill()
        shutil.rmtree(cartella, ignore_errors=True)
    return all(esiti)


if __name__ == "__main__":
    sys.exit(0 if prova(sys.argv[1]) else 1)
