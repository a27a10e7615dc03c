#pragma once
// What the fuzz targets share. Each target is one reader of outside data,
// given whole files as bytes; a broken rule stops it (abort), as a crash or a
// sanitizer report would. Built with libFuzzer it explores; built normally,
// Fuzz.cpp gives it a main that replays its inputs under CTest.
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
