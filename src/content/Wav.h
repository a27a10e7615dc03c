#pragma once
// Whether the bytes of a sound cue make a WAV file the program can play. The
// player looks before the multimedia back-end ever sees a file (a broken one
// can hang it), and the content checker explains what it found.
#include <QByteArray>

enum class DifettoWav {
    Nessuno,
    NonRiff, // no RIFF/WAVE header
    BloccoOltreLaFine, // a chunk claims more bytes than the file has
    SenzaFmt, // no "fmt " chunk of at least 16 bytes
    FormatoNonGestito, // not PCM or float samples of 8 to 32 bits, or inconsistent sizes
    SenzaData, // no "data" chunk
    CampioneTagliato, // the data do not end on a whole sample frame
};

struct EsitoWav {
    DifettoWav difetto = DifettoWav::Nessuno;
    QByteArray blocco; // the chunk that runs past the end
};

EsitoWav ControllaWav(const QByteArray& contenuto);
