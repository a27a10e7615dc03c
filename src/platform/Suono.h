#pragma once
// Asynchronous playback of the short sound cues. Playing returns at once; a
// new cue stops the one still playing; a missing or broken file is silent.
// Each file is checked once (again when it changes) and its effect kept.
#include <QString>
#include <functional>

using RiproduttoreSuoni = std::function<void(const QString& percorsoFile)>;

void RiproduciSuono(const QString& percorsoFile);
// Plays a cue of the sounds folder ("press.wav", "wrong.wav", ...).
void SuonaCue(const QString& file);
// Replaces the real player (tests record the cues); empty restores it.
void ImpostaRiproduttoreSuoni(RiproduttoreSuoni riproduttore);
