#pragma once
// Settings every run shares: the font substitutes of the design fonts, the
// program's own quit policy, Qt's dialogs in Italian, and no settings file.
void PreparaApplicazione();
