// A sound cue as the player and the checker look at it.
#include "Fuzz.h"

#include "checker/Verifica.h"
#include "content/Wav.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t n)
{
    const QByteArray file = Byte(dati, n);
    const bool valido = ControllaWav(file).difetto == DifettoWav::Nessuno;
    Verifica(valido == VerificaWavDa(QStringLiteral("win.wav"), file).isEmpty(), "player and checker agree");
    Verifica(!valido || (file.startsWith("RIFF") && file.contains("data")), "a playable file is RIFF with data");
    return 0;
}
