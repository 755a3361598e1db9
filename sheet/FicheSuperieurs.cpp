#include "Fiche.h"

#include "model/Personnage.h"

#include <QStringList>

namespace
{
// The program's own order, not sorted.
const char* const kPrincesDemons[] = {
    "Abalam",  "Andromalius", "Andrealphus", "Asmodee",  "Baal",     "Baalberith", "Bifrons",  "Beleth",
    "Belial",  "Caym",        "Crocell",     "Furfur",   "Gaziel",   "Haagenti",   "Kobal",    "Kronos",
    "Malphas", "Malthus",     "Mammon",      "Morax",    "Nisroch",  "Nog",        "Nybbas",   "Ouikka",
    "Samigina", "Scox",       "Shaytan",     "Uphir",    "Valefor",  "Vapula",     "Vephar",
};

const char* const kArchanges[] = {
    "Alain",  "Ange",   "Blandine", "Christophe", "Daniel",  "Didier",  "Dominique",
    "Francis", "Guy",   "Janus",    "Jean",       "Jean-Luc", "Jordi",  "Joseph",
    "Laurent", "Marc",  "Mathias",  "Michel",     "Novalis", "Walther", "Yves",
};

template <std::size_t N>
QStringList EnListe(const char* const (&oNoms)[N])
{
    QStringList oListe;
    for (const char* oNom : oNoms)
        oListe << QString::fromUtf8(oNom);
    return oListe;
}
}

void Fiche::FillPrincesDemons()
{
    SuperieurListe->addItems(EnListe(kPrincesDemons));
}

void Fiche::FillArchanges()
{
    SuperieurListe->addItems(EnListe(kArchanges));
}

void Fiche::UpdateSuperieur()
{
    if (!mpoPerso)
        return;
    mpoPerso->SetSuperieur(NomChoisi(SuperieurListe));
    UpdateFiche();
}

void Fiche::ChangedSuperieur()
{
    UpdateSuperieur();
}
