#pragma once
// Each fuzz target is one reader of outside data, given whole files; a broken rule aborts, as a crash
// would. Built with libFuzzer it explores; otherwise Fuzz.cpp's main replays its inputs under CTest.
#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t n);
// Defined by the targets that need it.
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int* argc, char*** argv);

inline QByteArray Byte(const uint8_t* dati, size_t n)
{
    return QByteArray(reinterpret_cast<const char*>(dati), qsizetype(n));
}

// A throwaway application folder, made current, for the whole run.
QString CartellaFuzz();
// Writes the bytes to a file below that folder; the file's full path.
QString FileFuzz(const QString& relativo, const QByteArray& contenuto);
// A widget application on the offscreen platform, for the targets that show windows.
void ApplicazioneFuzz(int* argc, char*** argv);
// Stops the run when a rule the program relies on does not hold.
void Verifica(bool condizione, const char* regola);
