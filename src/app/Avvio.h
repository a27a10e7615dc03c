#pragma once
// Settings every run shares: the font substitutes of the design fonts, and
// the program's own quit policy.
void PreparaApplicazione();
